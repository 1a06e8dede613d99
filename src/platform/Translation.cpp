#include "platform/Translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

#include <algorithm>

#include "base/Say.h"
#include "shell/MenuItem.h"

namespace velmor {

namespace {
// Every marked text lives in this one context (see base/Say.h).
constexpr char Context[] = "velmor";
// A hole may hold a text with holes of its own (a reason inside a message), but not forever.
constexpr int DeepestHole = 3;
}  // namespace

Translation& Translation::Current() {
  static Translation translation;
  return translation;
}

bool Translation::Use(const std::string& code, const std::string& folder, std::string& error) {
  for (auto* installed : {catalogue_.get(), qtOwn_.get()})
    if (installed) QCoreApplication::removeTranslator(installed);
  catalogue_.reset();
  qtOwn_.reset();
  patterns_.clear();
  said_.clear();
  code_.clear();
  if (code.empty() || code == "en") return true;

  auto catalogue = std::make_unique<QTranslator>();
  const QString file = QString::fromStdString(folder + "velmor_" + code + ".qm");
  if (!catalogue->load(file)) {
    error = "the translation \"" + file.toStdString() + "\" cannot be read";
    return false;
  }
  QFile list(QString::fromStdString(folder + "patterns.txt"));
  if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
    while (!list.atEnd()) {
      const QString source = QString::fromUtf8(list.readLine()).chopped(1).replace(QLatin1String("\\n"), "\n");
      // Each hole matches as little as lets the rest match; the literal parts must match exactly.
      QString expression = "^";
      int literal = 0;
      for (qsizetype i = 0; i < source.size(); ++i) {
        if (source[i] == '%' && i + 1 < source.size() && source[i + 1] >= '1' && source[i + 1] <= '9') {
          expression += "(.*?)";
          ++i;
        } else {
          expression += QRegularExpression::escape(source.mid(i, 1));
          ++literal;
        }
      }
      // A pattern that is all holes would match anything.
      if (literal >= 3)
        patterns_.push_back(
            {source, QRegularExpression(expression + "$", QRegularExpression::DotMatchesEverythingOption)});
    }
  }
  // The longer a pattern's own text, the surer a match: those are tried first.
  std::stable_sort(patterns_.begin(), patterns_.end(),
                   [](const Pattern& a, const Pattern& b) { return a.source.size() > b.source.size(); });
  QCoreApplication::installTranslator(catalogue.get());
  catalogue_ = std::move(catalogue);
  // Qt's own buttons and file dialogs ("OK", "Cancel") in the same language, when installed.
  auto qtOwn = std::make_unique<QTranslator>();
  if (qtOwn->load(QLocale(QString::fromStdString(code)), "qtbase", "_",
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qtOwn.get());
    qtOwn_ = std::move(qtOwn);
  }
  code_ = code;
  return true;
}

bool Translation::Exact(const QString& english, QString& out) const {
  const QByteArray key = english.toUtf8();
  out = catalogue_->translate(Context, key.constData());
  return !out.isNull() && !out.isEmpty();
}

bool Translation::Lookup(const QString& english, int depth, QString& out) const {
  if (Exact(english, out)) return true;
  if (depth >= DeepestHole) return false;
  for (const Pattern& p : patterns_) {
    const QRegularExpressionMatch m = p.match.match(english);
    if (!m.hasMatch()) continue;
    QString pattern;
    if (!Exact(p.source, pattern)) continue;
    std::vector<std::string> holes;
    for (int k = 1; k <= m.lastCapturedIndex(); ++k) {
      QString hole = m.captured(k), said;
      holes.push_back((Lookup(hole, depth + 1, said) ? said : hole).toStdString());
    }
    const std::vector<std::string_view> values(holes.begin(), holes.end());
    // The translation may put the holes in another order; each keeps its number.
    const std::string result = FillPattern(pattern.toStdString(), values);
    out = QString::fromStdString(result);
    return true;
  }
  return false;
}

QString Translation::Say(const std::string& english) const {
  const QString text = QString::fromStdString(english);
  if (!catalogue_ || text.trimmed().isEmpty()) return text;
  if (const auto known = said_.constFind(text); known != said_.cend()) return *known;
  // Blanks around a text are the layout's (a message centred or indented), not the sentence's: a
  // text is known as it is, or else without them.
  qsizetype first = 0, last = text.size();
  while (first < last && text[first].isSpace()) ++first;
  while (last > first && text[last - 1].isSpace()) --last;
  QString said, result = text;
  if (Exact(text, said))
    result = said;
  else if (Lookup(text.mid(first, last - first), 0, said))
    result = text.left(first) + said + text.mid(last);
  if (said_.size() > 4000) said_.clear();  // the clock's and counters' texts keep coming
  said_.insert(text, result);
  return result;
}

QString Say(const std::string& english) { return Translation::Current().Say(english); }

std::vector<QString> SayCaptions(const MenuItem& menu) {
  std::vector<std::string> captions;
  for (const MenuItem* item : menu.Items())
    captions.push_back(item && !item->IsSeparator() ? Say(item->Caption()).toStdString() : std::string());
  std::vector<QString> shown;
  for (const std::string& caption : AcceleratedCaptions(std::move(captions)))
    shown.push_back(QString::fromStdString(caption));
  return shown;
}

}  // namespace velmor

// The one step every text the window shows goes through: the core's English in, the player's
// language out. The catalogue is keyed by the English text; a text with holes is found by its
// pattern ("Game %1 started.") and its holes are translated in turn (a reason inside a message).
#pragma once

#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <QTranslator>

#include <memory>
#include <string>
#include <vector>

namespace velmor {

class MenuItem;

class Translation {
 public:
  // The one catalogue the window uses.
  static Translation& Current();

  // Speaks `code` ("de", "pt_BR"; "" or "en" for English) from the catalogue velmor_<code>.qm in
  // `folder` (ending in '/'), with the text patterns listed in its "patterns.txt" and Qt's own
  // dialogs in the same language. False with a reason when the catalogue cannot be read: English
  // is spoken then.
  bool Use(const std::string& code, const std::string& folder, std::string& error);
  const std::string& Code() const { return code_; }

  QString Say(const std::string& english) const;

 private:
  struct Pattern {
    QString source;
    QRegularExpression match;
  };
  // nullopt-like: an empty QString with found = false when neither the text nor a pattern is known.
  bool Lookup(const QString& english, int depth, QString& out) const;
  bool Exact(const QString& english, QString& out) const;

  std::string code_;
  std::unique_ptr<QTranslator> catalogue_, qtOwn_;
  std::vector<Pattern> patterns_;
  mutable QHash<QString, QString> said_;
};

// Translation::Current().Say(english).
QString Say(const std::string& english);

// The captions of a menu's entries as the window shows them: translated, then given accelerators
// so that each letter is used once in the menu. Aligned with menu.Items().
std::vector<QString> SayCaptions(const MenuItem& menu);

}  // namespace velmor

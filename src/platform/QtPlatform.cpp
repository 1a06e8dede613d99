#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <cstdlib>

#include "base/Say.h"
#include "chrome/Artwork.h"
#include "display/Jpeg.h"
#include "platform/BoardAccessible.h"
#include "platform/MainWindow.h"
#include "platform/QtPictures.h"
#include "platform/Translation.h"
#include "shell/GameFolders.h"

namespace velmor {

namespace {
QString Text(const std::string& s) { return QString::fromStdString(s); }

QElapsedTimer& Clock() {
  static QElapsedTimer clock = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return clock;
}
}  // namespace

QString QtFilter(const std::string& filter) {
  const QStringList parts = Text(filter).split('|');
  // The catalogues hold a filter whole, patterns included; only the descriptions are taken from
  // the translation, so that a translator's slip in a pattern cannot hide the files.
  const QStringList said = Say(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = said.size() == parts.size() ? said[i] : Say(parts[i].toStdString());
    const int paren = description.indexOf('(');
    if (paren > 0) description = description.left(paren).trimmed();
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns) p = p.trimmed();
    filters << description + " (" + patterns.join(' ') + ")";
  }
  return filters.join(";;");
}

namespace {

// The shipped tunes play from the small soundfont among the game's data, beside the Musics folder.
std::string TuneFontPath() {
  const auto environment = [](const char* name) { return std::getenv(name); };
  return FindGameFolders(QCoreApplication::applicationDirPath().toStdString(), environment).app + "velmor.sf2";
}

// In the player's cache folder, since what is kept there can always be made again; with no such
// folder nothing is kept.
std::string KeptLooksFolder() {
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  return cache.isEmpty() ? std::string() : cache.toStdString() + "/velmor/artwork/";
}
}  // namespace

QtPlatform::QtPlatform()
    : audio_(Audio::DefaultSoundFont, TuneFontPath()),
      keptLooks_(KeptLooksFolder(), 256ull << 20, std::chrono::milliseconds(400)) {
  Clock();
}

uint32_t QtPlatform::TickCount() {
  // A millisecond counter that wraps like the system's 32-bit tick.
  return static_cast<uint32_t>(Clock().elapsed() + 1000);
}

uint32_t QtPlatform::UtcMillisecondOfDay() {
  return static_cast<uint32_t>(QTime::currentTime().msecsSinceStartOfDay() -
                               QDateTime::currentDateTime().offsetFromUtc() * 1000 + 86'400'000) %
         86'400'000u;
}

bool QtPlatform::Confirm(const std::string& caption, const std::string& text) {
  return QMessageBox::question(window_, Say(caption), Say(text), QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Ok) == QMessageBox::Ok;
}

void QtPlatform::ShowMessage(const std::string& text) { QMessageBox::information(window_, "Velmor", Say(text)); }

void QtPlatform::ShowError(const std::string& text) { QMessageBox::warning(window_, "Velmor", Say(text)); }

namespace {

// Leaves out of a file dialog's list the files the game keeps for itself.
class HiddenFiles : public QSortFilterProxyModel {
 public:
  HiddenFiles(const std::vector<std::string>& hidden, QObject* parent) : QSortFilterProxyModel(parent) {
    for (const std::string& path : hidden) hidden_.insert(QFileInfo(Text(path)).absoluteFilePath());
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    return !files || !hidden_.contains(files->filePath(files->index(row, 0, parent)));
  }

 private:
  QSet<QString> hidden_;
};

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogRequest& r, bool save) {
  QFileDialog dialog(parent, Say(r.title), Text(r.initialFolder), QtFilter(r.filter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!r.hidden.empty()) {
    // Only Qt's own dialog can leave files out of its list.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setProxyModel(new HiddenFiles(r.hidden, &dialog));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dialog.selectedFiles().first();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

}  // namespace

std::optional<std::string> QtPlatform::SaveFileDialog(const FileDialogRequest& r) {
  return RunFileDialog(window_, r, true);
}

std::string QtPlatform::DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString folder = !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
  return (folder.endsWith('/') ? folder : folder + '/').toStdString();
}

std::optional<std::string> QtPlatform::OpenPictureDialog(const FileDialogRequest& r) {
  QFileDialog dialog(window_, Say(r.title), Text(r.initialFolder), QtFilter(r.filter));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  // A preview beside the file list, so the player sees the picture before choosing it.
  auto* preview = new QLabel(&dialog);
  preview->setFixedSize(220, 220);
  preview->setAlignment(Qt::AlignCenter);
  preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
  QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
    Picture picture;
    std::string error;
    // The same readers the game will use on the file, so the preview never promises more.
    const std::string file = path.toStdString();
    const bool jpeg = file.find(".jpg") != std::string::npos;
    if (!QFileInfo(path).isFile() ||
        !(jpeg ? DecodeJpegFile(file, picture, error) : LoadPictureFile(file, picture, error))) {
      preview->setPixmap(QPixmap());
      preview->setText(Say(VELMOR_TEXT("No preview")));
      return;
    }
    preview->setPixmap(QPixmap::fromImage(
        OpaqueImage(picture).scaled(preview->size() - QSize(8, 8), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

void QtPlatform::ProcessMessages() { QCoreApplication::processEvents(); }

void QtPlatform::Pace(int milliseconds) {
  if (window_) window_->Board()->repaint();
  QThread::msleep(static_cast<unsigned long>(std::max(milliseconds, 0)));
}

bool QtPlatform::LoadBitmap(const std::string& path, Picture& out, std::string& error) {
  return LoadPictureFile(path, out, error);
}

void QtPlatform::PresentBoard(const Picture& picture, const Rect& area) {
  if (!window_) return;
  window_->Board()->Present(picture, area);
  // The margin around a board larger than its window continues the background: a new one shows
  // there too.
  window_->Area()->FollowBackground();
  NoteBoardPresented(window_->Board());
}

void QtPlatform::ShowPresented() {
  if (window_) window_->Board()->ShowPending();
}

void QtPlatform::CursorMoved(int tile) {
  if (window_) AnnounceCursor(window_->Board(), tile);
}

int QtPlatform::ScreenWidth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 1024;
}

int QtPlatform::ScreenHeight() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().height() : 768;
}

double QtPlatform::ScreenPixelRatio() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->devicePixelRatio() : 1;
}

int QtPlatform::ToolbarHeight() { return window_ ? window_->ToolbarHeight() : 33; }
int QtPlatform::StatusBarHeight() { return window_ ? window_->StatusBarHeight() : 20; }

void QtPlatform::PlaceWindow(int left, int top, int, int) {
  if (!window_) return;
  window_->FitContent();  // the size follows from the parts shown
  window_->move(left, top);
}

void QtPlatform::WindowPlacement(int& left, int& top, int& width, int& height) {
  left = window_ ? window_->x() : 0;
  top = window_ ? window_->y() : 0;
  width = window_ ? window_->width() : 0;
  height = window_ ? window_->height() : 0;
}

// A desktop session owns the screen mode here; a game does not switch it.
bool QtPlatform::ChangeDisplayMode(int, int, bool) { return false; }

void QtPlatform::SetCursor(int cursor) {
  const bool techno = cursor == 21;
  if (techno == technoCursor_) return;
  if (techno)
    QApplication::setOverrideCursor(TechnoCursor());
  else
    QApplication::restoreOverrideCursor();
  technoCursor_ = techno;
}

void QtPlatform::PresentPanel(const Picture& picture, const Rect& area) {
  if (window_) window_->HallPanel()->Present(picture, area);
}

void QtPlatform::PopupMenu(MenuItem& menu, const MenuItem& below) {
  if (window_) window_->Popup(menu, below);
}

void QtPlatform::DrawText(Picture& picture, int x, int y, const std::string& text, const TextStyle& style,
                          uint32_t colour) {
  QImage image(reinterpret_cast<uchar*>(picture.pixels().data()), picture.width(), picture.height(),
               QImage::Format_RGB32);
  QPainter painter(&image);
  QFont font(Text(style.family));
  font.setPointSize(style.pointSize);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  // The panels are laid out for the English; a longer translation gets a smaller size that takes
  // no more room than the English (or the picture's right edge) would.
  const QString said = Say(text);
  if (said != Text(text)) {
    const int room = std::max(QFontMetrics(font).horizontalAdvance(Text(text)), picture.width() - x - 2);
    while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(said) > room)
      font.setPointSize(font.pointSize() - 1);
  }
  painter.setFont(font);
  painter.setPen(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
  painter.drawText(QPoint(x, y + QFontMetrics(font).ascent()), said);
  painter.end();
  // Text drawing may set the fourth byte; the game's pictures keep it zero.
  for (uint32_t& p : picture.pixels()) p &= 0x00FFFFFFu;
}

void QtPlatform::ShowHelp() {
  if (window_) window_->ShowHelp();
}

void QtPlatform::PlayWave(const std::string& path) {
  std::string error;
  audio_.PlayWave(path, error);  // a missing effect is simply not heard
}

void QtPlatform::CloseMainWindow() {
  if (window_) window_->close();
}

Platform::WindowShape QtPlatform::CurrentWindowShape() { return window_ ? window_->Shape() : WindowShape{}; }

void QtPlatform::SetWindowTitle(const std::string& title) {
  if (window_) window_->setWindowTitle(Say(title));
}

std::optional<std::string> QtPlatform::OpenFileDialog(const FileDialogRequest& r) {
  return RunFileDialog(window_, r, false);
}

int QtPlatform::ChooseLayout(const LayoutChooserModel& model) { return window_ ? window_->ChooseLayout(model) : 0; }

void QtPlatform::ShowDeadEnd(bool shown) {
  if (window_) window_->ShowDeadEnd(shown);
}

std::string QtPlatform::SystemLanguage() {
  // The order the C library weighs them in; LANGUAGE, a list of preferences, goes first unless
  // the locale is plain C.
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
    if (const char* value = std::getenv(name); value && *value) {
      locale = value;
      break;
    }
  if (locale.empty() || locale == "C" || locale == "POSIX") return locale;
  if (const char* preferred = std::getenv("LANGUAGE"); preferred && *preferred) {
    const std::string list = preferred;
    return list.substr(0, list.find(':'));
  }
  return locale;
}

bool QtPlatform::UseLanguage(const std::string& code, const std::string& folder, std::string& error) {
  // The window was built in English; start-up in English changes nothing and letters no menu again.
  const std::string before = Translation::Current().Code();
  if (before == (code == "en" ? "" : code)) return true;
  const bool used = Translation::Current().Use(code, folder + "translations/", error);
  if (window_ && Translation::Current().Code() != before) window_->Retranslate();
  return used;
}

std::string QtPlatform::Translate(const std::string& english) { return Say(english).toStdString(); }

void QtPlatform::SetFullScreen(bool on) {
  if (window_) window_->SetFullScreen(on);
}

}  // namespace velmor

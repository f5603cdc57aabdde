#include "ui/shell/production_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "ui/shell/program_texts.h"

namespace lunarys::ui {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    return icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information;
}

// The program separates the lines of a message with a lone carriage return;
// a Qt label breaks lines at line feeds.
QString ForDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

}  // namespace

void MessageBoxDialogs::ShowMessage(const QString& text, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), QString::fromLatin1(text::ProgramTitle), ForDisplay(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool MessageBoxDialogs::AskYesNo(const QString& question, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), QString::fromLatin1(text::ProgramTitle), ForDisplay(question),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxDialogs::RunModal(QDialog& dialog) { dialog.exec(); }

std::optional<QString> QtFileDialogs::AskSaveFileName(const QString& suggestedPath, const QStringList& filters,
                                                      QString* chosenFilter)
{
    QString filter = chosenFilter && !chosenFilter->isEmpty() ? *chosenFilter : filters.value(0);
    const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), suggestedPath,
                                                      filters.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return std::nullopt;
    if (chosenFilter)
        *chosenFilter = filter;
    return path;
}

void PreviewPrinting::PreviewAndPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog preview(&printer, QApplication::activeWindow());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* pages) { paint(*pages); });
    preview.exec();
}

void DesktopWebOpener::Open(const QUrl& address) { QDesktopServices::openUrl(address); }

QDate SystemClock::Today() const { return QDate::currentDate(); }

QSettingsStore::QSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(text::ProgramTitle),
                QString::fromLatin1(text::ProgramTitle))
{
}

QSettingsStore::QSettingsStore(const QString& iniFilePath) : settings_(iniFilePath, QSettings::IniFormat) {}

StoredText QSettingsStore::Read(const QString& section, const QString& key)
{
    if (settings_.status() != QSettings::NoError)
        return {StoredText::Kind::Unreadable, {}};
    const QString path = section + u'/' + key;
    if (!settings_.contains(path))
        return {StoredText::Kind::Absent, {}};
    const QVariant value = settings_.value(path);
    if (!value.canConvert<QString>())
        return {StoredText::Kind::Unreadable, {}};
    return {StoredText::Kind::Present, value.toString()};
}

bool QSettingsStore::Write(const QString& section, const QString& key, const QString& text)
{
    settings_.setValue(section + u'/' + key, text);
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

LockFileInstanceLock::LockFileInstanceLock() : LockFileInstanceLock(DefaultPath()) {}

LockFileInstanceLock::LockFileInstanceLock(const QString& lockFilePath) : lock_(lockFilePath)
{
    // Never treat the lock of a living copy as stale, however long it has
    // been running; a dead owner is recognised by its process id instead.
    lock_.setStaleLockTime(0);
}

bool LockFileInstanceLock::TryAcquire() { return lock_.isLocked() || lock_.tryLock(0); }

QString LockFileInstanceLock::DefaultPath()
{
    // The runtime folder is private to the user, so one copy per user.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("lunarys.lock"));
}

void ApplicationExit::EndProcess() { QCoreApplication::exit(0); }

Platform ProductionPlatform::Services()
{
    return Platform{dialogs_, web_, clock_, settings_, lock_, exit_, files_, printing_};
}

}  // namespace lunarys::ui

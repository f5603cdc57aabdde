#include "ui/display/window_size.h"

#include <QRegularExpression>
#include <QString>

#include "ui/shell/platform.h"
#include "ui/shell/program.h"

namespace lunarys::ui {

namespace {

constexpr int kLargest = 100000;   // pixels; more is no screen

}  // namespace

std::optional<WindowSize> ReadWindowSize(SettingsStore& settings)
{
    const StoredText stored = settings.Read(QString::fromLatin1(SettingsSection), QString::fromLatin1(ReadingWindowKey));
    if (stored.kind != StoredText::Kind::Present)
        return std::nullopt;
    static const QRegularExpression form(QStringLiteral("^(\\d{1,6})x(\\d{1,6})( maximized)?$"));
    const QRegularExpressionMatch match = form.match(stored.text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width < 1 || height < 1 || width > kLargest || height > kLargest)
        return std::nullopt;
    return WindowSize{QSize(width, height), match.hasCaptured(3)};
}

void WriteWindowSize(SettingsStore& settings, const WindowSize& size)
{
    QString text = QStringLiteral("%1x%2").arg(size.size.width()).arg(size.size.height());
    if (size.maximized)
        text += QStringLiteral(" maximized");
    settings.Write(QString::fromLatin1(SettingsSection), QString::fromLatin1(ReadingWindowKey), text);
}

}  // namespace lunarys::ui

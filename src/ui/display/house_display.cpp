#include "ui/display/house_display.h"

#include <QLabel>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "presentation/reading_labels.h"
#include "ui/display/display_style.h"

namespace lunarys::ui {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

void Append(QTextCursor& cursor, const QString& text, bool bold, const QColor& colour)
{
    QTextCharFormat format = cursor.charFormat();
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(colour);
    cursor.setCharFormat(format);
    cursor.insertText(text);
}

}  // namespace

void ShowMidpointHouse(QLabel& lblMidpointliesin, QTextEdit& RTBHouseDesc, const engine::Reading& reading,
                       const engine::ReadingTexts& texts)
{
    RTBHouseDesc.clear();   // a window filled again shows this reading alone
    if (reading.House >= 1 && reading.House <= 12) {
        QTextCursor cursor(RTBHouseDesc.document());
        cursor.movePosition(QTextCursor::End);
        Append(cursor, texts.HouseHeading + kLineBreak, true, colour::HouseHeading);
        Append(cursor, texts.HouseText + kLineBreak + kLineBreak, false, colour::HouseText);
        // Show the box from its heading.
        RTBHouseDesc.moveCursor(QTextCursor::Start);
    }
    lblMidpointliesin.setText(presentation::HouseName(reading.House));
    FitLabel(lblMidpointliesin);
}

}  // namespace lunarys::ui

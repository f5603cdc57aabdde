#include "ui/display/house_display.h"

#include <QLabel>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "ui/display/display_style.h"

namespace lunarys::ui {

namespace {

const QString kLineBreak = QStringLiteral("\n");

void Append(QTextCursor& cursor, const QString& text, bool bold, const QColor& colour)
{
    QTextCharFormat format = cursor.charFormat();
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(colour);
    cursor.setCharFormat(format);
    cursor.insertText(text);
}

}  // namespace

void ShowMidpointHouse(QLabel& lblMidpointliesin, QTextEdit& RTBHouseDesc, const exports::ReadingOutline& outline)
{
    RTBHouseDesc.clear();   // a window filled again shows this reading alone
    lblMidpointliesin.clear();
    for (const exports::OutlineBlock& block : outline.Body) {
        if (block.part == exports::Part::MidpointLiesIn) {
            lblMidpointliesin.setText(block.Value);
        } else if (block.part == exports::Part::HouseText) {
            QTextCursor cursor(RTBHouseDesc.document());
            cursor.movePosition(QTextCursor::End);
            Append(cursor, block.Caption + kLineBreak, true, colour::HouseHeading);
            Append(cursor, block.Value + kLineBreak + kLineBreak, false, colour::HouseText);
            // Show the box from its heading.
            RTBHouseDesc.moveCursor(QTextCursor::Start);
        }
    }
    FitLabel(lblMidpointliesin);
}

}  // namespace lunarys::ui

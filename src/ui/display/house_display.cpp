#include "ui/display/house_display.h"

#include <QLabel>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "engine/house.h"
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

void ShowMidpointHouse(QLabel& lblMidpointliesin, QTextEdit& RTBHouseDesc, const engine::ChartState& chart,
                       const engine::ReadingTexts& texts)
{
    const bool found = chart.MidpointHouse >= 1 && chart.MidpointHouse <= static_cast<int>(engine::Houses.size());
    if (found) {
        QTextCursor cursor(RTBHouseDesc.document());
        cursor.movePosition(QTextCursor::End);
        Append(cursor, texts.HouseHeading + kLineBreak, true, colour::HouseHeading);
        Append(cursor, texts.HouseText + kLineBreak + kLineBreak, false, colour::HouseText);
        // Show the box from its heading.
        RTBHouseDesc.moveCursor(QTextCursor::Start);
    }
    lblMidpointliesin.setText(QString::fromStdString(chart.MidpointHouseName));
    FitLabel(lblMidpointliesin);
}

}  // namespace lunarys::ui

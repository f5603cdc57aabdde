#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

#include "engine/texts.h"
#include "export/reading_html.h"
#include "export/reading_plain_text.h"
#include "support/reading.h"
#include "support/worked_example.h"

namespace {

using lunarys::engine::LoadReadingTexts;
using lunarys::engine::Reading;

// Whatever the desktop's language, a kept reading names the month in English
// and the plain text has LF line breaks only.
TEST(DocumentText, EnglishDatesAndLfLinesInEveryDesktopLanguage)
{
    const Reading reading = lunarys::testing::MustRead(lunarys::testing::MaryAnn());
    const auto texts = LoadReadingTexts(reading);
    for (const QLocale::Language language : {QLocale::German, QLocale::French, QLocale::Japanese, QLocale::Arabic}) {
        QLocale::setDefault(QLocale(language));
        SCOPED_TRACE(QLocale().name().toStdString());
        const QString text = lunarys::exports::ReadingDocumentText(reading, texts);
        EXPECT_TRUE(text.contains(QStringLiteral("\nDate of birth: 4 July 1990\n")));
        EXPECT_FALSE(text.contains(u'\r'));
        EXPECT_TRUE(text.endsWith(QStringLiteral(".\n\n")));
        const QString html = QString::fromUtf8(lunarys::exports::ReadingAsHtml(reading, texts));
        EXPECT_TRUE(html.contains(QStringLiteral("<dt>Date of birth</dt><dd>4 July 1990</dd>")));
    }
    QLocale::setDefault(QLocale::c());
}

}  // namespace

#include "ui/shell/frm_about.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/shell/app_icon.h"
#include "ui/shell/link_label.h"
#include "ui/shell/program_texts.h"
#include "ui/shell/web_links.h"

namespace lunarys::ui {

namespace {

QLabel* Paragraph(const QString& text, const char* objectName, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}


}  // namespace

FrmAbout::FrmAbout(LinkCommands& links, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(text::WindowCaption));
    setWindowIcon(AppIcon());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(AppIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    icon->setAccessibleName(QStringLiteral("Lunarys icon"));

    auto* title = Paragraph(QString::fromLatin1(text::WindowCaption), "lblTitle", this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);

    auto* description = Paragraph(QString::fromLatin1(text::Description), "lblDescription", this);
    auto* offer = Paragraph(QString::fromLatin1(text::FullBrandHeadline), "lblBusiness", this);
    auto* details = LinkLabel::Create(QString::fromLatin1(text::FullBrandDetails), "lblCoBrand", this);
    auto* homePage = LinkLabel::Create(HomePagePromotion(), "lblHomePage", this);
    connect(details, &LinkLabel::clicked, this, [&links] { links.OpenFullBrandPage(); });
    connect(homePage, &LinkLabel::clicked, this, [&links] { links.OpenHomePage(); });

    // The licence and the credit the place data asks for, in small print.
    auto* licence = Paragraph(QStringLiteral("Lunarys is free software, licensed under the GNU General Public License "
                                             "version 3 or (at your option) any later version (GPL-3.0-or-later)."),
                              "lblLicence", this);
    auto* placeData = Paragraph(QStringLiteral("Place data: GeoNames (geonames.org), CC BY 4.0"), "lblPlaceData", this);
    for (QLabel* smallPrint : {licence, placeData}) {
        QFont font = smallPrint->font();
        font.setPointSizeF(font.pointSizeF() * 0.85);
        smallPrint->setFont(font);
    }

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* column = new QWidget(this);
    column->setFixedWidth(380);
    auto* texts = new QVBoxLayout(column);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->addWidget(title);
    texts->addWidget(description);
    texts->addSpacing(8);
    texts->addWidget(offer);
    texts->addWidget(details);
    texts->addSpacing(8);
    texts->addWidget(homePage);
    texts->addSpacing(8);
    texts->addWidget(licence);
    texts->addWidget(placeData);

    auto* body = new QHBoxLayout;
    body->addWidget(icon, 0, Qt::AlignTop);
    body->addSpacing(12);
    body->addWidget(column, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace lunarys::ui

#include "AboutBox.h"

#include "ProgramVersion.h"
#include "ui/common/HelpContext.h"
#include "ui/common/WindowPlacement.h"
#include "ui/mainwindow/ToolBarImages.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kv {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), version_(new QLabel) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    SetHelpContext(this, help::MainWindow);
    auto* panel = new QFrame;
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* icon = new QLabel;
    icon->setPixmap(ProgramIconPixmap(48));
    auto* product = new QLabel(QStringLiteral("Kestrovanhalme"));
    product->setObjectName(QStringLiteral("ProductName"));
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    product->setFont(bold);
    version_->setObjectName(QStringLiteral("Version"));
    auto* credits =
        new QLabel(QStringLiteral("Random bridge deals that meet the hands you describe.\n"
                                  "Written by the Morvatten programming team."));
    credits->setObjectName(QStringLiteral("Credits"));
    auto* license = new QLabel(LicenseLine());
    license->setObjectName(QStringLiteral("License"));
    for (QLabel* text : {product, version_, credits, license})
        text->setTextFormat(Qt::PlainText);

    auto* grid = new QGridLayout(panel);
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(product, 0, 1);
    grid->addWidget(version_, 1, 1);
    grid->addWidget(credits, 2, 1);
    grid->addWidget(license, 3, 1);
    grid->setHorizontalSpacing(14);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TAboutBox::VersionLine() {
    return QStringLiteral("Version ") + QLatin1String(kProgramVersion);
}

QString TAboutBox::LicenseLine() {
    return QStringLiteral("License: GPL-3.0-or-later");
}

void TAboutBox::showEvent(QShowEvent* event) {
    version_->setText(VersionLine());
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void ShowAboutBox(QWidget* parent) {
    TAboutBox box(parent);
    box.exec();
}

} // namespace kv

#include "AboutBox.h"

#include "HelpContext.h"
#include "ToolBarImages.h"
#include "WindowPlacement.h"

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
    auto* credits = new QLabel(QStringLiteral("Random bridge deals that meet the hands you describe.\n"
                                              "Written by the Morvatten programming team."));
    credits->setObjectName(QStringLiteral("Credits"));
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(MakerPage()));
    link->setObjectName(QStringLiteral("MakerLink"));
    link->setOpenExternalLinks(true);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setCursor(Qt::PointingHandCursor);

    auto* grid = new QGridLayout(panel);
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(product, 0, 1);
    grid->addWidget(version_, 1, 1);
    grid->addWidget(credits, 2, 1);
    grid->addWidget(link, 3, 1);
    grid->setHorizontalSpacing(14);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TAboutBox::MakerPage() {
    return QStringLiteral("https://www.morvatten.example/kestrovanhalme/");
}

void TAboutBox::showEvent(QShowEvent* event) {
    version_->setText(QStringLiteral("Version 2.16"));
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void ShowAboutBox(QWidget* parent) {
    TAboutBox box(parent);
    box.exec();
}

} // namespace kv

#include "gui/app/about_dialog.h"

#include "core/settings/version_info.h"
#include "gui/app/language.h"
#include "gui/app/main_frame.h"
#include "gui/common/dialog_buttons.h"
#include "gui/common/flavour.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

VnAboutDlg::VnAboutDlg(QWidget* parent, LanguageModule* module) : QDialog(parent) {
    setObjectName(QStringLiteral("dialog22000"));
    setWindowTitle(tr("About the Sizing Application"));

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon(flavour::kPneumatic).pixmap(48, 48));
    auto* heading = new QLabel(tr("Varnox - Sizing & Engineering"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);

    version_ = new QLabel(flavour::kPneumatic ? tr("Version 7.2") : tr("Version 4.2"), this);
    version_->setProperty("controlId", 22001);
    version_->setObjectName(QStringLiteral("versionLine"));
    version_->setAlignment(Qt::AlignCenter);
    legal_ = new QLabel(this);
    legal_->setProperty("controlId", 22002);
    legal_->setObjectName(QStringLiteral("legalNotice"));
    legal_->setAlignment(Qt::AlignCenter);
    legal_->setWordWrap(true);
    legal_->setMinimumHeight(2 * legal_->fontMetrics().height());
    special_ = new QLabel(this);
    special_->setProperty("controlId", 22003);
    special_->setObjectName(QStringLiteral("specialBuild"));
    special_->setAlignment(Qt::AlignRight);

    // the catalogue of the active language may carry its own product keys
    ProjectRCVersion info(module ? module->Versions() : ProgramVersionBlock(flavour::kPneumatic), flavour::kShortName);
    version_->setText(QString::fromStdString(AboutVersionLine(info, version_->text().left(128).toStdString())));
    std::string text;
    if (info.GetCopyright(text))
        legal_->setText(QString::fromStdString(text));
    if (info.GetSpecialBuild(text))
        special_->setText(QString::fromStdString(text));

    QDialogButtonBox* buttons = OkCancelButtons(this, tr("OK"));

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(heading, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(version_);
    layout->addWidget(legal_);
    layout->addWidget(special_);
    layout->addWidget(buttons);
    setMinimumWidth(340);
}

#include "gui/app/setup_dialog.h"

#include "core/settings/settings.h"
#include "core/units/conversions.h"
#include "gui/app/language.h"
#include "gui/common/dialog_buttons.h"
#include "gui/common/messages.h"
#include "gui/common/remembered.h"
#include "gui/controls/number_edit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <class W> W* Tag(W* widget, int id, const char* name) {
    widget->setProperty("controlId", id);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A label whose mnemonic moves the focus to its field.
QLabel* Buddy(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

// The folder part of a file name, or the current folder when the name has none.
QString FolderOf(const QString& name) {
    const int slash = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    return slash < 0 ? QString() : name.left(slash);
}

} // namespace

VnSetup::VnSetup(QWidget* parent, bool pneumatic, const SetupValues& values, LanguageModule* module)
    : QDialog(parent), pneumatic_(pneumatic), values_(values) {
    setObjectName(QString::fromLatin1(pneumatic ? "dialog105" : "dialog113"));
    setWindowTitle(pneumatic ? tr("Pneumatic Sizing & Engineering Application Setup")
                             : tr("Electric Sizing & Engineering Application Setup"));

    auto* grid = new QGridLayout;
    int row = 0;

    language_ = Tag(new QComboBox(this), 101, "language");
    for (int id : {16, 17, 18, 19})
        language_->addItem(Str(id));
    language_->setCurrentIndex(values_.Language >= 0 && values_.Language <= 3 ? values_.Language : 3);
    // the program's own dialog shows the language but does not change it; a catalogue
    // that wants the list switchable says so
    const bool switchable =
        module && module->Translator()->translate("VnSetup", "LanguageListEnabled") == QLatin1String("1");
    language_->setEnabled(switchable);
    grid->addWidget(Buddy(tr("&Language:"), language_, this), row, 0);
    grid->addWidget(language_, row++, 1, 1, 2);

    actuator_ = Tag(new QLineEdit(values_.ActuatorFile, this), 108, "actuatorFile");
    actuator_->setEnabled(false);
    auto* browseActuator = Tag(new QPushButton(tr("&Browse..."), this), 107, "browseActuator");
    grid->addWidget(Buddy(tr("Actuator file:"), actuator_, this), row, 0);
    grid->addWidget(actuator_, row, 1);
    grid->addWidget(browseActuator, row++, 2);

    valve_ = Tag(new QLineEdit(values_.ValveFile, this), 103, "valveFile");
    valve_->setEnabled(false);
    auto* browseValve = Tag(new QPushButton(tr("B&rowse..."), this), 102, "browseValve");
    // Enter ends the dialog with OK, whichever field has the focus
    browseActuator->setAutoDefault(false);
    browseValve->setAutoDefault(false);
    grid->addWidget(Buddy(tr("Valve file:"), valve_, this), row, 0);
    grid->addWidget(valve_, row, 1);
    grid->addWidget(browseValve, row++, 2);

    units_ = Tag(new QComboBox(this), 104, "units");
    units_->addItem(Str(24));
    units_->addItem(Str(25));
    units_->setCurrentIndex(values_.Units == 1 ? 1 : 0);
    grid->addWidget(Buddy(tr("&Units:"), units_, this), row, 0);
    grid->addWidget(units_, row++, 1, 1, 2);

    if (pneumatic_) {
        pressure_ = Tag(new ptEditNum(this, 105, 0), 105, "pressure");
        pressureUnit_ = Tag(new QLabel(this), 106, "pressureUnit");
        grid->addWidget(Buddy(tr("&Pressure:"), pressure_, this), row, 0);
        grid->addWidget(pressure_, row, 1);
        grid->addWidget(pressureUnit_, row++, 2);
        ShowPressure();
        connect(pressure_, &ptEditNum::focusOut, this, &VnSetup::CheckPressure);
    }

    place_ = Tag(new QLineEdit(values_.Place, this), 120, "place");
    place_->setMaxLength(kPlaceChars);
    place_->setToolTip(Str(229).replace(QStringLiteral("%i"), QString::number(kPlaceChars)));
    grid->addWidget(Buddy(tr("P&lace:"), place_, this), row, 0);
    grid->addWidget(place_, row++, 1, 1, 2);
    grid->setColumnMinimumWidth(1, 320);

    QDialogButtonBox* buttons = OkCancelButtons(this, tr("OK"), tr("Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    connect(browseActuator, &QPushButton::clicked, this, &VnSetup::CmBrowseActuator);
    connect(browseValve, &QPushButton::clicked, this, &VnSetup::CmBrowseValve);
    connect(units_, &QComboBox::activated, this, &VnSetup::UnitsChanged);
}

bool VnSetup::PressureAccepted(float value, int units) {
    const float low = units == 1 ? 29.0f : 2.0f;
    const float high = units == 1 ? 145.0f : 10.0f;
    return value >= low && value <= high;
}

void VnSetup::ShowPressure() {
    pressureUnit_->setText(Str(values_.Units == 1 ? 46 : 45));
    pressure_->setToolTip(Str(values_.Units == 1 ? 211 : 210));
    pressure_->SetValue(values_.Pressure);
}

void VnSetup::CheckPressure() {
    const float value = pressure_->GetValue();
    if (PressureAccepted(value, values_.Units)) {
        values_.Pressure = value;
        return;
    }
    // the message box takes the focus from the field: put the last good value back
    // first, so that this focus change finds nothing more to complain about
    pressure_->SetValue(values_.Pressure);
    ShowError(this, Str(26));
}

void VnSetup::UnitsChanged(int index) {
    if (index == values_.Units)
        return;
    values_.Units = index;
    if (!pneumatic_)
        return;
    values_.Pressure = index == 1 ? BarToPsi(values_.Pressure) : PsiToBar(values_.Pressure);
    ShowPressure();
}

QString VnSetup::Browse(const char* dialog, const QString& title, const QString& filter, const QString& current) {
    QString chosen = QFileDialog::getOpenFileName(this, title, RememberedFolder(dialog, FolderOf(current)), filter);
    if (chosen.isEmpty())
        return {};
    RememberFolder(dialog, chosen);
    // names in the working folder stay short and move with it
    const QString relative = QDir::current().relativeFilePath(chosen);
    if (!relative.startsWith(QLatin1String("..")))
        chosen = relative;
    // the settings hold 99 characters, whatever bytes they take
    if (chosen.toUcs4().size() > qsizetype(Settings::kNameChars)) {
        ShowError(this, Str(130));
        return {};
    }
    return chosen;
}

void VnSetup::CmBrowseActuator() {
    const QString filter = pneumatic_ ? QStringLiteral("Actuator Files (*.kav *.KAV);;All Files (*)")
                                      : QStringLiteral("Actuator Files (*.qu *.QU);;All Files (*)");
    const QString chosen = Browse(dialog_folder::SetupActuator, Str(22), filter, values_.ActuatorFile);
    if (chosen.isEmpty())
        return;
    values_.ActuatorFile = chosen;
    actuator_->setText(chosen);
}

void VnSetup::CmBrowseValve() {
    const QString chosen =
        Browse(dialog_folder::SetupValve, Str(23), QStringLiteral("Valve Files (*);;All Files (*)"), values_.ValveFile);
    if (chosen.isEmpty())
        return;
    values_.ValveFile = chosen;
    valve_->setText(chosen);
}

void VnSetup::accept() {
    // Enter in the pressure field closes the dialog without leaving the field: check it
    // here too, so a typed pressure is neither lost nor taken unchecked
    if (pressure_ && pressure_->hasFocus()) {
        const bool accepted = PressureAccepted(pressure_->GetValue(), values_.Units);
        CheckPressure();
        if (!accepted)
            return;
    }
    values_.Language = language_->currentIndex();
    values_.Units = units_->currentIndex();
    values_.Place = place_->text().left(kPlaceChars);
    QDialog::accept();
}

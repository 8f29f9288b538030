// VnSetup: the settings dialog (105 in the pneumatic program, 113 in the electric one):
// language, actuator and valve files, unit system, default pressure and place.
#pragma once

#include <QDialog>
#include <QString>

class LanguageModule;
class QComboBox;
class QLabel;
class QLineEdit;
class ptEditNum;

struct SetupValues {
    int Language = 0;
    QString ActuatorFile;
    QString ValveFile;
    int Units = 0;
    float Pressure = 4.0f;
    QString Place;
};

class VnSetup : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPlaceChars = 127;

    VnSetup(QWidget* parent, bool pneumatic, const SetupValues& values, LanguageModule* module);

    const SetupValues& Values() const { return values_; }

    void accept() override;

    // The range the pressure field accepts: 2 to 10 bar, or 29 to 145 psi.
    static bool PressureAccepted(float value, int units);

private slots:
    void CmBrowseActuator();
    void CmBrowseValve();
    void UnitsChanged(int index);
    void CheckPressure();

private:
    // dialog: the name the folder it was last used in is kept under
    QString Browse(const char* dialog, const QString& title, const QString& filter, const QString& current);
    void ShowPressure();

    bool pneumatic_;
    SetupValues values_;
    QComboBox* language_;
    QLineEdit* actuator_;
    QLineEdit* valve_;
    QComboBox* units_;
    ptEditNum* pressure_ = nullptr;
    QLabel* pressureUnit_ = nullptr;
    QLineEdit* place_;
};

#include "gui/lists/project_dialog.h"

#include "gui/common/dialog_buttons.h"
#include "gui/common/messages.h"

#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QSettings>
#include <QVBoxLayout>

namespace {

// The fields in the order of their labels' numbers: project, customer, document, revision,
// engineer.
constexpr int kFirstLabel = 383;

std::array<std::string*, 5> Fields(ProjectData& data) {
    return {&data.project, &data.customer, &data.document, &data.revision, &data.engineer};
}

// Where a list's project data is kept: by the list's full path, so a list moved keeps none.
QString ProjectKey(const QString& listFile) {
    const QString path = QFileInfo(listFile).absoluteFilePath();
    return QStringLiteral("lists/project/") +
           QString::fromLatin1(QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex());
}

} // namespace

VnProjectDlg::VnProjectDlg(const ProjectData& data, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("project"));
    setWindowTitle(Str(kFirstLabel));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    ProjectData shown = data;
    const auto values = Fields(shown);
    for (std::size_t f = 0; f < fields_.size(); ++f) {
        auto* edit = new QLineEdit(QString::fromStdString(*values[f]), this);
        edit->setObjectName(QStringLiteral("field%1").arg(f));
        edit->setMinimumWidth(320);
        fields_[f] = edit;
        form->addRow(Str(kFirstLabel + static_cast<int>(f)) + QLatin1Char(':'), edit);
    }
    layout->addWidget(OkCancelButtons(this, tr("OK"), tr("Cancel")));
}

ProjectData VnProjectDlg::Data() const {
    ProjectData data;
    const auto values = Fields(data);
    for (std::size_t f = 0; f < fields_.size(); ++f)
        *values[f] = fields_[f]->text().trimmed().toStdString();
    return data;
}

bool VnProjectDlg::Ask(QWidget* parent, const QString& listFile, ProjectData& data) {
    VnProjectDlg dialog(data, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    data = dialog.Data();
    QStringList kept;
    for (const std::string* value : Fields(data))
        kept << QString::fromStdString(*value);
    if (!listFile.isEmpty())
        QSettings().setValue(ProjectKey(listFile), kept);
    return true;
}

ProjectData VnProjectDlg::Remembered(const QString& listFile) {
    ProjectData data;
    if (listFile.isEmpty())
        return data;
    const QStringList kept = QSettings().value(ProjectKey(listFile)).toStringList();
    const auto values = Fields(data);
    for (int f = 0; f < kept.size() && f < static_cast<int>(values.size()); ++f)
        *values[static_cast<std::size_t>(f)] = kept[f].toStdString();
    return data;
}

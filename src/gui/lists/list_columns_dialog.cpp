#include "gui/lists/list_columns_dialog.h"

#include "gui/common/dialog_buttons.h"
#include "gui/common/messages.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QSettings>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Where the choice of columns is kept for a header line.
QString ColumnsKey(const std::vector<std::string>& header) {
    QByteArray line;
    for (const std::string& name : header)
        line += QByteArray::fromStdString(name) + '\x1f';
    return QStringLiteral("lists/columns/") +
           QString::fromLatin1(QCryptographicHash::hash(line, QCryptographicHash::Sha1).toHex());
}

} // namespace

VnListColumnsDlg::VnListColumnsDlg(const std::vector<std::string>& header, const ColumnMatch& found,
                                   const QString& reason, QWidget* parent)
    : QDialog(parent), header_(header) {
    setObjectName(QStringLiteral("listColumns"));
    setWindowTitle(Str(165));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(reason.isEmpty() ? Str(166) : reason + QStringLiteral("\n\n") + Str(166), this);
    intro->setObjectName(QStringLiteral("reason"));
    intro->setTextFormat(Qt::PlainText); // headers and messages, never markup
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    for (std::size_t r = 0; r < kListRoles; ++r) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("role%1").arg(r));
        combo->addItem(Str(167));
        for (const std::string& name : header)
            combo->addItem(QString::fromStdString(name));
        const int column = found.roles[r].column;
        combo->setCurrentIndex(column >= 0 && static_cast<std::size_t>(column) < header.size() ? column + 1 : 0);
        combos_[r] = combo;
        form->addRow(Str(RoleString(static_cast<ListRole>(r))) + QLatin1Char(':'), combo);
    }
    layout->addWidget(OkCancelButtons(this, tr("OK"), tr("Cancel")));
}

std::vector<ColumnChoice> VnListColumnsDlg::Choices() const {
    std::vector<ColumnChoice> choices;
    for (std::size_t r = 0; r < kListRoles; ++r) {
        const int index = combos_[r]->currentIndex();
        choices.push_back({static_cast<ListRole>(r),
                           index > 0 ? header_[static_cast<std::size_t>(index - 1)] : std::string()});
    }
    return choices;
}

int VnListColumnsDlg::RoleString(ListRole role) {
    switch (role) {
    case ListRole::Tag:
        return 168;
    case ListRole::Action:
        return 47;
    case ListRole::Torque:
        return 13;
    case ListRole::Series:
        return 169;
    case ListRole::Size:
        return 99;
    case ListRole::ValveType:
        return 106;
    case ListRole::Safety:
        return 50;
    case ListRole::Seating:
        return 108;
    case ListRole::Running:
        return 109;
    case ListRole::Pressure:
        break;
    case ListRole::Mast:
    case ListRole::PressureMax:
    case ListRole::CyclesPerHour:
    case ListRole::Kv:
    case ListRole::StrokeTimeMax:
        // the checks' values, as the sized list's messages name them
        return 344 + static_cast<int>(role) - static_cast<int>(kFirstCheckRole);
    }
    return 55;
}

bool VnListColumnsDlg::Ask(QWidget* parent, const std::vector<std::string>& header, const ColumnMatch& found,
                           const QString& reason, std::vector<ColumnChoice>& choices) {
    VnListColumnsDlg dialog(header, found, reason, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choices = dialog.Choices();
    QStringList kept;
    for (const ColumnChoice& choice : choices)
        kept << QString::fromUtf8(RoleName(choice.role)) + QLatin1Char('=') + QString::fromStdString(choice.header);
    QSettings().setValue(ColumnsKey(header), kept);
    return true;
}

std::vector<ColumnChoice> VnListColumnsDlg::Remembered(const std::vector<std::string>& header) {
    std::vector<ColumnChoice> choices;
    if (header.empty())
        return choices;
    for (const QString& text : QSettings().value(ColumnsKey(header)).toStringList()) {
        ColumnChoice choice;
        std::string message;
        if (ReadColumnChoice(text.toStdString(), choice, message))
            choices.push_back(choice);
    }
    return choices;
}

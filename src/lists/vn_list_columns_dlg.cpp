#include "lists/vn_list_columns_dlg.h"

#include "app/dialog_buttons.h"
#include "app/messages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

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
    }
    return 55;
}

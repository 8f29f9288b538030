// How the database editor's window is built: its fields, the size list with the entry
// of a new size beside it, and its buttons, each with its control number.
#include "gui/editor/database_editor.h"

#include "gui/common/messages.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// How long "Saved <file>" stays in the status line.
constexpr int kStatusMs = 5000;

QLineEdit* TextField(QWidget* parent, int controlId, const QString& name, int maxChars) {
    auto* field = new QLineEdit(parent);
    field->setProperty("controlId", controlId);
    field->setObjectName(name);
    if (maxChars > 0)
        field->setMaxLength(maxChars);
    return field;
}

ptEditNum* NumberField(QWidget* parent, int controlId, const QString& name) {
    auto* field = new ptEditNum(parent, controlId, 0);
    field->setObjectName(name);
    field->setMaximumWidth(110);
    return field;
}

QPushButton* Button(QWidget* parent, int controlId, const QString& text, const QString& name) {
    auto* button = new QPushButton(text, parent);
    button->setProperty("controlId", controlId);
    button->setObjectName(name);
    // Return in a field must never press Save or Close
    button->setAutoDefault(false);
    return button;
}

QLabel* Label(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

void VnDBaseEditDlg::BuildControls() {
    FileNameField = TextField(this, 105, QStringLiteral("fileName"), 0);
    FileNameField->setReadOnly(true);
    FileNameField->setMinimumWidth(320);
    ValveNameEdit = TextField(this, 118, QStringLiteral("valveName"), int(TorqueDatabase::kValveNameChars));
    connect(ValveNameEdit, &QLineEdit::editingFinished, this, &VnDBaseEditDlg::UpdateCaption);

    PageCombo = new QComboBox(this);
    PageCombo->setProperty("controlId", 114);
    PageCombo->setObjectName(QStringLiteral("pageCombo"));
    PageCombo->setEditable(true);
    // typing renames the page on screen; it never adds one or completes to another's name
    PageCombo->setInsertPolicy(QComboBox::NoInsert);
    PageCombo->setCompleter(nullptr);
    PageCombo->lineEdit()->setMaxLength(int(TorqueDatabase::kPageNameChars));
    connect(PageCombo, &QComboBox::activated, this, [this](int index) {
        StoreFields();
        ShowPage(index);
    });
    connect(PageCombo->lineEdit(), &QLineEdit::textEdited, this, &VnDBaseEditDlg::RenamePage);

    PageNrField = TextField(this, 115, QStringLiteral("pageNr"), 0);
    PageNrField->setReadOnly(true);
    PageNrField->setMaximumWidth(110);
    SizesField = NumberField(this, 119, QStringLiteral("sizeCount"));
    SizesField->setReadOnly(true);
    SafetyEdit = NumberField(this, 202, QStringLiteral("safetyFactor"));
    SeatEdit = NumberField(this, 107, QStringLiteral("seatFactor"));
    RunEdit = NumberField(this, 108, QStringLiteral("runFactor"));
    const int shortText = int(TorqueDatabase::kShortTextChars);
    DataDateEdit = TextField(this, 106, QStringLiteral("dataDate"), shortText);
    DrawingNrEdit = TextField(this, 140, QStringLiteral("drawingNr"), shortText);
    FromEdit = TextField(this, 113, QStringLiteral("from"), shortText);

    QPushButton* browse = Button(this, 116, tr("Browse"), QStringLiteral("browse"));
    QPushButton* appendPage = Button(this, 109, tr("&Append page"), QStringLiteral("appendPage"));
    DeletePageButton = Button(this, 111, tr("&Delete page"), QStringLiteral("deletePage"));
    connect(browse, &QPushButton::clicked, this, &VnDBaseEditDlg::CmBrowse);
    connect(appendPage, &QPushButton::clicked, this, &VnDBaseEditDlg::CmAppendPage);
    connect(DeletePageButton, &QPushButton::clicked, this, &VnDBaseEditDlg::CmDeletePage);

    auto* form = new QGridLayout;
    form->addWidget(Label(this, tr("File"), FileNameField), 0, 0);
    form->addWidget(FileNameField, 0, 1, 1, 3);
    form->addWidget(browse, 0, 4);
    form->addWidget(Label(this, tr("Valve"), ValveNameEdit), 1, 0);
    form->addWidget(ValveNameEdit, 1, 1, 1, 3);
    form->addWidget(Label(this, tr("Record"), PageCombo), 2, 0);
    form->addWidget(PageCombo, 2, 1, 1, 3);
    form->addWidget(appendPage, 2, 4);
    form->addWidget(Label(this, tr("Page"), PageNrField), 3, 0);
    form->addWidget(PageNrField, 3, 1);
    form->addWidget(Label(this, tr("Sizes"), SizesField), 3, 2);
    form->addWidget(SizesField, 3, 3, Qt::AlignLeft);
    form->addWidget(DeletePageButton, 3, 4);
    const struct {
        QString left;
        QWidget* number;
        QString right;
        QWidget* text;
    } rows[] = {{tr("Safety Factor"), SafetyEdit, tr("Drawing nr"), DrawingNrEdit},
                {tr("Seat Factor"), SeatEdit, tr("Data date"), DataDateEdit},
                {tr("Run Factor"), RunEdit, tr("From"), FromEdit}};
    int row = 4;
    for (const auto& r : rows) {
        form->addWidget(Label(this, r.left, r.number), row, 0);
        form->addWidget(r.number, row, 1);
        form->addWidget(Label(this, r.right, r.text), row, 2);
        form->addWidget(r.text, row, 3);
        ++row;
    }
    form->setColumnStretch(3, 1);

    SizeList = new ptMultiListBox(this, 103, 2);
    SizeList->setMinimumSize(300, 220);
    SizeList->SetHeaderLines(0, Str(99));
    SizeList->SetHeaderLines(1, Str(13), Str(Imperial() ? 44 : 43));
    SizeList->SetHeaderTip(0, Str(247));
    SizeList->SetHeaderTip(1, Str(248));
    connect(SizeList, &ptMultiListBox::doubleClicked, this, &VnDBaseEditDlg::LoadSize);
    connect(SizeList, &ptMultiListBox::deletePressed, this, &VnDBaseEditDlg::CmDeleteSize);

    SizeEdit = NumberField(this, 141, QStringLiteral("newSize"));
    TorqueEdit = NumberField(this, 203, QStringLiteral("newTorque"));
    TorqueUnitLabel = new QLabel(Str(Imperial() ? 44 : 43), this);
    TorqueUnitLabel->setProperty("controlId", 201);
    TorqueUnitLabel->setObjectName(QStringLiteral("torqueUnit"));
    auto textTip = [](std::size_t chars) { return Str(229).replace(QStringLiteral("%i"), QString::number(chars)); };
    ValveNameEdit->setToolTip(textTip(TorqueDatabase::kValveNameChars));
    PageCombo->setToolTip(textTip(TorqueDatabase::kPageNameChars));
    for (QLineEdit* field : {DataDateEdit, DrawingNrEdit, FromEdit})
        field->setToolTip(textTip(TorqueDatabase::kShortTextChars));
    SafetyEdit->setToolTip(Str(212));
    SeatEdit->setToolTip(Str(213));
    RunEdit->setToolTip(Str(214));
    SizeEdit->setToolTip(Str(217));
    TorqueEdit->setToolTip(Str(215).replace(QStringLiteral("%s"), TorqueUnitLabel->text()));
    AppendSizeButton = Button(this, 110, tr("A&ppend size"), QStringLiteral("appendSize"));
    DeleteSizeButton = Button(this, 112, tr("De&lete size"), QStringLiteral("deleteSize"));
    connect(AppendSizeButton, &QPushButton::clicked, this, &VnDBaseEditDlg::CmAppendSize);
    connect(DeleteSizeButton, &QPushButton::clicked, this, &VnDBaseEditDlg::CmDeleteSize);
    // Return moves from the size to the torque and appends the pair from there
    connect(SizeEdit, &QLineEdit::returnPressed, TorqueEdit, [this] { TorqueEdit->setFocus(); });
    connect(TorqueEdit, &QLineEdit::returnPressed, this, &VnDBaseEditDlg::CmAppendSize);

    auto* entry = new QGridLayout;
    entry->addWidget(Label(this, Str(99), SizeEdit), 0, 0);
    entry->addWidget(SizeEdit, 0, 1);
    entry->addWidget(Label(this, Str(13), TorqueEdit), 1, 0);
    entry->addWidget(TorqueEdit, 1, 1);
    entry->addWidget(TorqueUnitLabel, 1, 2);
    entry->addWidget(AppendSizeButton, 2, 0, 1, 3);
    entry->addWidget(DeleteSizeButton, 3, 0, 1, 3);
    entry->setRowStretch(4, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(SizeList, 1);
    middle->addLayout(entry);

    QPushButton* save = Button(this, 117, tr("&Save"), QStringLiteral("save"));
    QPushButton* saveAs = Button(this, 104, tr("Save &As"), QStringLiteral("saveAs"));
    QPushButton* close = Button(this, 1, tr("&Close"), QStringLiteral("close"));
    connect(save, &QPushButton::clicked, this, &VnDBaseEditDlg::CmSave);
    connect(saveAs, &QPushButton::clicked, this, &VnDBaseEditDlg::CmSaveAs);
    connect(close, &QPushButton::clicked, this, &VnDBaseEditDlg::reject);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, save, &QPushButton::click);
    // not every desktop's key scheme names one for Save As; the common one stands in
    QKeySequence saveAsKey(QKeySequence::SaveAs);
    if (saveAsKey.isEmpty())
        saveAsKey = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    connect(new QShortcut(saveAsKey, this), &QShortcut::activated, saveAs, &QPushButton::click);

    StatusLine = new QLabel(this);
    StatusLine->setObjectName(QStringLiteral("statusLine"));
    StatusLine->setTextFormat(Qt::PlainText);
    // a long file name is cut rather than widening the editor
    StatusLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    StatusTimer = new QTimer(this);
    StatusTimer->setSingleShot(true);
    StatusTimer->setInterval(kStatusMs);
    connect(StatusTimer, &QTimer::timeout, StatusLine, &QLabel::clear);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(StatusLine, 1);
    buttons->addWidget(save);
    buttons->addWidget(saveAs);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
}

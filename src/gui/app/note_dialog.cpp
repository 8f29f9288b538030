#include "gui/app/note_dialog.h"

#include "core/report/safe_file.h"
#include "core/report/textfile.h"
#include "gui/common/dialog_buttons.h"
#include "gui/common/messages.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

VnNoteInputDialog::VnNoteInputDialog(QWidget* parent, const QString& fileName)
    : QDialog(parent), fileName_(fileName), edit_(new QPlainTextEdit(this)) {
    setWindowTitle(tr("Note Input"));
    setObjectName(QStringLiteral("dialog112"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Notes:"), this));
    edit_->setObjectName(QStringLiteral("noteText"));
    edit_->setProperty("controlId", 101);
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setTabChangesFocus(true); // a tab would break the datasheet columns
    edit_->setFont(QFont(QStringLiteral("Monospace")));
    edit_->setMinimumSize(480, 200);
    layout->addWidget(edit_);
    QDialogButtonBox* buttons = OkCancelButtons(this, tr("OK"), tr("Cancel"));
    layout->addWidget(buttons);

    // every line is followed by a line break, so the caret waits on a fresh last line
    Textfile notes(fileName_.toStdString());
    if (notes.Open(Textfile::ModeRead)) {
        QString text;
        std::string line;
        while (notes.ReadLine(line))
            text += QString::fromStdString(line) + QLatin1Char('\n');
        edit_->setPlainText(text);
        edit_->moveCursor(QTextCursor::End);
    }
}

void VnNoteInputDialog::accept() {
    QStringList lines = edit_->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    SafeFile out(fileName_.toStdString());
    bool ok = out.Open();
    for (const QString& line : lines) {
        // a line too long for a datasheet goes on in the next line rather than being lost
        QString rest = line;
        do {
            ok = ok && out.WriteLine(rest.left(kLineChars).toStdString());
            rest = rest.mid(kLineChars);
        } while (!rest.isEmpty());
    }
    if (!ok || !out.Commit()) {
        ShowWriteError(this, fileName_, QString::fromStdString(out.Error()));
        return;
    }
    QDialog::accept();
}

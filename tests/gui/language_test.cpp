// The Dutch, German and French catalogues as the programs use them: every number, menu
// caption and dialog text translated, formats and field widths intact, and a running
// program switched to each language through Setup, with its screens in that language.
#include "core/sizing/datasheet_bodies.h"
#include "core/text/load_string.h"
#include "core/text/menu_table.h"
#include "core/text/text_util.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/app/language.h"
#include "gui/app/main_frame.h"
#include "gui/common/flavour.h"
#include "gui/controls/multi_list_box.h"
#include "gui/screens/calculation_screen.h"
#include "modal.h"
#include "test_files.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Language {
    int index;
    const char* code; // the settings file's value
    const char* name; // catalogue file without extension
    // what a user of that language sees: the first menu title and the word "Actuator"
    const char* fileMenu;
    const char* actuator;
};

const Language kLanguages[] = {
    {1, "NL", "SIZ_NL", "&Bestand", "Aandrijving"},
    {2, "D", "SIZ_D", "&Datei", "Antrieb"},
    {3, "F", "SIZ_F", "&Fichier", "Actionneur"},
};

QString CataloguePath(const Language& l) {
    return QStringLiteral(VN_CATALOGUES "/") + l.name + QStringLiteral(".qm");
}

QString SourceTree() {
    return QDir::cleanPath(QStringLiteral(VN_SAMPLES "/.."));
}

QString TsPath(const Language& l) {
    return SourceTree() + QStringLiteral("/src/resources/") + l.name + QStringLiteral(".ts");
}

struct TsMessage {
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

std::vector<TsMessage> ReadTs(const QString& path) {
    std::vector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            m = TsMessage{context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            m.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = xml.readElementText();
            messages.push_back(m);
        }
    }
    return xml.hasError() ? std::vector<TsMessage>{} : messages;
}

QString Key(const TsMessage& m) {
    return m.context + QLatin1Char('|') + m.source + QLatin1Char('|') + m.comment;
}

// The printf conversions of a text in order; "%%" is no conversion.
QStringList Conversions(const QString& text) {
    static const QRegularExpression conversion(QStringLiteral("%%|%[-+ #0]*\\d*(?:\\.\\d+)?[a-zA-Z]"));
    QStringList found;
    for (auto it = conversion.globalMatch(text); it.hasNext();) {
        const QString c = it.next().captured();
        if (c != QLatin1String("%%"))
            found << c;
    }
    return found;
}

// The mnemonic letters of a caption: every '&' that is not a literal "&&".
QString Mnemonics(const QString& text) {
    QString found;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            found += text[i + 1].toLower();
        ++i;
    }
    return found;
}

QString Translated(LanguageModule& module, const char* context, const QString& source) {
    return module.Translator()->translate(context, source.toUtf8().constData());
}

// Checks the captions of one pop-up level and below: each translated, one mnemonic as
// in English, the shortcut after the tab kept, and no two siblings on one letter.
void CheckMenuLevel(LanguageModule& module, const std::vector<MenuNode>& level, const QString& where,
                    QStringList& problems) {
    QString letters;
    for (const MenuNode& node : level) {
        if (node.IsSeparator())
            continue;
        const QString english = QString::fromStdString(node.caption);
        const QString text = Translated(module, kMenuContext, english);
        if (text.isEmpty()) {
            problems << where + QStringLiteral(": no translation of ") + english;
            continue;
        }
        const QString mnemonic = Mnemonics(text);
        if (mnemonic.size() != Mnemonics(english).size())
            problems << where + QStringLiteral(": mnemonics of ") + text;
        else if (!mnemonic.isEmpty() && letters.contains(mnemonic))
            problems << where + QStringLiteral(": mnemonic of ") + text + QStringLiteral(" used twice");
        letters += mnemonic;
        if (text.section(QLatin1Char('\t'), 1) != english.section(QLatin1Char('\t'), 1))
            problems << where + QStringLiteral(": shortcut of ") + text;
        if (node.IsPopup())
            CheckMenuLevel(module, node.children, where + QStringLiteral(" > ") + text, problems);
    }
}

QString Str(int id) {
    return QString::fromStdString(LoadString(id));
}

QByteArray SettingsText(const char* language, const char* units) {
    return QByteArray("LANGUAGE = ") + language +
           "\r\nACTUATOR = " + (flavour::kPneumatic ? "varnox-rp.kav" : "varnox-em.qu") +
           "\r\nVALVE = ball-valves\r\nUNITS = " + units + "\r\nPRESSURE = 5.500000\r\nPLACE = Delft\r\n";
}

// Every screen a menu command opens, the modal ones of this program.
std::vector<int> ScreenCommands() {
    if (flavour::kPneumatic)
        return {cmd::TorqueDoubleActing, cmd::TorqueSpringReturn, cmd::SizingDoubleActing, cmd::SizingSpringReturn,
                cmd::DatabaseSizing,     cmd::DatabaseEdit,       cmd::HotLine,            cmd::ActuatorSpeed,
                cmd::AirTank,            cmd::Torsion,            cmd::Note,               cmd::Setup,
                cmd::ValveList};
    return {cmd::ElectricSizing, cmd::ElectricDatabaseSizing, cmd::ElectricDatabaseEdit, cmd::HotLine,
            cmd::Torsion,        cmd::Note,                   cmd::Setup,                cmd::ElectricValveList};
}

QString Plain(QString text) {
    return text.remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed().toLower();
}

// A button whose caption is also a column header or a label of its screen names two
// things with one word.
void CheckWordsApart(QWidget* screen, QStringList& problems) {
    QSet<QString> words;
    for (QLabel* label : screen->findChildren<QLabel*>())
        if (label->isVisibleTo(screen))
            words.insert(Plain(label->text()));
    for (QGroupBox* group : screen->findChildren<QGroupBox*>())
        words.insert(Plain(group->title()));
    for (ptMultiListBox* table : screen->findChildren<ptMultiListBox*>())
        for (int c = 0; c < table->GetNumColumns(); ++c)
            for (int k = 0; k < table->Header[c]->count(); ++k)
                words.insert(Plain(table->Header[c]->GetString(k)));
    for (QAbstractButton* button : screen->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(screen) && !button->text().isEmpty() && words.contains(Plain(button->text())))
            problems << screen->objectName() + QStringLiteral(": button and header or label both read ") +
                            button->text();
}

// Every header line and cell has the room its text needs: at the screen's size, and in a
// table far too narrow for its columns, which then scrolls sideways to its last one.
void CheckTextsWhole(QWidget* screen, QStringList& problems) {
    auto checkList = [&](ptListBox* list, const char* when) {
        for (int k = 0; k < list->count(); ++k) {
            const int need = list->sizeHintForIndex(list->model()->index(k, 0)).width();
            if (need > list->viewport()->width())
                problems << QStringLiteral("%1 %2: %3 cut, %4 of %5 pixels")
                                .arg(screen->objectName(), when, list->GetString(k))
                                .arg(list->viewport()->width())
                                .arg(need);
        }
    };
    auto check = [&](ptMultiListBox* table, const char* when) {
        for (int c = 0; c < table->GetNumColumns(); ++c) {
            checkList(table->Header[c], when);
            checkList(table->Column[c], when);
        }
    };
    for (ptMultiListBox* table : screen->findChildren<ptMultiListBox*>()) {
        check(table, "as shown");
        table->setMinimumWidth(0);
        table->resize(80, table->height());
        check(table, "80 pixels wide");
        table->SideScrollBar->setValue(table->SideScrollBar->maximum());
        const QRect last = table->Header[table->GetNumColumns() - 1]->geometry();
        if (!table->SideScrollBar->isVisible() || last.right() >= table->ScrollBar->x())
            problems << screen->objectName() + QStringLiteral(": the last column cannot be scrolled to");
    }
}

// Fills a torque or sizing screen's table the way a user does: a torque where one is
// asked for, then Calculate or Sizing.
void FillTable(QWidget* screen) {
    if (!qobject_cast<VnTorSizDlg*>(screen))
        return;
    for (QWidget* control : screen->findChildren<QWidget*>()) {
        const int id = control->property("controlId").toInt();
        if (auto* field = qobject_cast<QLineEdit*>(control); field && id == 203)
            field->setText(QStringLiteral("300"));
    }
    for (QPushButton* button : screen->findChildren<QPushButton*>()) {
        const int id = button->property("controlId").toInt();
        if (id == 102 || id == 211)
            button->click();
    }
    // the table measures its new rows once control returns
    QCoreApplication::processEvents();
}

// Looks at a shown dialog: English left where the catalogue has a translation, two
// controls on one mnemonic letter, and a caption wider than its control (cut off).
void InspectScreen(QWidget* screen, const QSet<QString>& english, QStringList& problems) {
    const QString name = screen->objectName();
    auto isEnglish = [&](const QString& text, const char* what) {
        if (english.contains(text))
            problems << name + QLatin1Char(' ') + what + QStringLiteral(" still English: ") + text;
    };
    isEnglish(screen->windowTitle(), "title");
    QMap<QChar, QString> mnemonics;
    auto useMnemonic = [&](const QString& text) {
        for (QChar c : Mnemonics(text)) {
            if (mnemonics.contains(c))
                problems << name + QStringLiteral(": ") + mnemonics[c] + QStringLiteral(" and ") + text +
                                QStringLiteral(" share a mnemonic");
            mnemonics[c] = text;
        }
    };
    for (QAbstractButton* button : screen->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(screen) || button->text().isEmpty())
            continue;
        isEnglish(button->text(), "button");
        useMnemonic(button->text());
        if (button->width() < button->sizeHint().width())
            problems << name + QStringLiteral(": button cut off: ") + button->text();
    }
    for (QLabel* label : screen->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(screen) || label->text().isEmpty())
            continue;
        isEnglish(label->text(), "label");
        if (label->buddy())
            useMnemonic(label->text());
        if (!label->wordWrap() && label->width() < label->sizeHint().width())
            problems << name + QStringLiteral(": label cut off: ") + label->text();
    }
    for (QGroupBox* group : screen->findChildren<QGroupBox*>())
        isEnglish(group->title(), "group");
    CheckWordsApart(screen, problems);
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString savedDir_;

    // A working folder with the sample data, the catalogues and a settings file.
    void PrepareFolder(const char* language, const char* units = "METRIC") {
        for (const char* name : {"varnox-rp.kav", "varnox-em.qu", "ball-valves"})
            QVERIFY(QFile::copy(QStringLiteral(VN_SAMPLES "/") + name, name));
        for (const Language& l : kLanguages)
            QVERIFY(QFile::copy(CataloguePath(l), QString::fromLatin1(l.name) + QStringLiteral(".qm")));
        WriteText(QString::fromLatin1(flavour::kSettingsFile), SettingsText(language, units));
    }

    std::unique_ptr<VnApp> Start(ModalAnswers& answers) {
        answers.ThenAccept();
        auto app = std::make_unique<VnApp>();
        app->InitMainWindow();
        return app;
    }

    // Setup, as the user chooses it: the language from the list, then OK.
    static void ChooseInSetup(VnApp& app, ModalAnswers& answers, int language, QStringList& problems) {
        answers.Then([language, &problems](QWidget* w) {
            auto* list = w->findChild<QComboBox*>(QStringLiteral("language"));
            if (!list || !list->isEnabled())
                problems << QStringLiteral("language list not switchable");
            else
                list->setCurrentIndex(language);
            qobject_cast<QDialog*>(w)->accept();
        });
        app.GetFrame()->Command(cmd::Setup);
    }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        savedDir_ = EnterWorkFolder(dir_);
    }
    void cleanup() {
        QDir::setCurrent(savedDir_);
        SetStringLookup({});
    }

    void CataloguesTranslateEveryNumberMenuAndDialogText_data() {
        QTest::addColumn<int>("language");
        for (int i = 0; i < 3; ++i)
            QTest::newRow(kLanguages[i].name) << i;
    }
    void CataloguesTranslateEveryNumberMenuAndDialogText() {
        QFETCH(int, language);
        const Language& l = kLanguages[language];
        std::unique_ptr<LanguageModule> module = LanguageModule::Load(CataloguePath(l));
        QVERIFY2(module, qPrintable(CataloguePath(l)));

        QStringList problems;
        for (int id : EnglishStringIds())
            if (module->String(id).trimmed().isEmpty())
                problems << QStringLiteral("string %1").arg(id);
        CheckMenuLevel(*module, MenuDefinition(kPneumaticMenu), QStringLiteral("menu 100"), problems);
        CheckMenuLevel(*module, MenuDefinition(kElectricMenu), QStringLiteral("menu 101"), problems);

        // every text of the source catalogue is finished, and the built one is that
        const std::vector<TsMessage> messages = ReadTs(TsPath(l));
        QVERIFY2(messages.size() > 200, qPrintable(TsPath(l)));
        for (const TsMessage& m : messages) {
            if (!m.type.isEmpty() || m.translation.trimmed().isEmpty())
                problems << QStringLiteral("unfinished: ") + Key(m);
            else if (module->Translator()->translate(m.context.toUtf8().constData(), m.source.toUtf8().constData(),
                                                     m.comment.isEmpty() ? nullptr : m.comment.toUtf8().constData()) !=
                     m.translation)
                problems << QStringLiteral("not in the built catalogue: ") + Key(m);
        }

        // the language list opens for this language, and the about box has its keys
        if (module->Translator()->translate("VnSetup", "LanguageListEnabled") != QLatin1String("1"))
            problems << QStringLiteral("language list stays disabled");
        const VersionLookup versions = module->Versions();
        for (const char* key :
             {"ProductNameKAV", "ProductVersionKAV", "ProductNameQU", "ProductVersionQU", "LegalCopyright"})
            if (!versions(key))
                problems << QStringLiteral("version key ") + key;
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void CataloguesHoldEveryDialogTextOfTheSources() {
        const QString lupdate = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
        if (!QFile::exists(lupdate))
            QSKIP("lupdate is not installed");
        QProcess run;
        run.start(lupdate, {SourceTree() + QStringLiteral("/src"), QStringLiteral("-no-obsolete"),
                            QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-ts"),
                            QDir::current().filePath(QStringLiteral("found.ts"))});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        const std::vector<TsMessage> found = ReadTs(QStringLiteral("found.ts"));
        QVERIFY(found.size() > 50);
        QSet<QString> foundKeys;
        for (const TsMessage& m : found)
            foundKeys.insert(Key(m));

        // the contexts lupdate cannot see: numbers, menus, version keys, Qt's buttons
        const QSet<QString> ours{QString::fromLatin1(kStringContext), QString::fromLatin1(kMenuContext),
                                 QString::fromLatin1(kVersionContext), QStringLiteral("QPlatformTheme")};
        QStringList problems;
        for (const Language& l : kLanguages) {
            QSet<QString> held;
            for (const TsMessage& m : ReadTs(TsPath(l))) {
                held.insert(Key(m));
                if (!ours.contains(m.context) && !foundKeys.contains(Key(m)))
                    problems << QString::fromLatin1(l.name) + QStringLiteral(" has a text the sources lost: ") + Key(m);
            }
            for (const QString& key : foundKeys)
                if (!held.contains(key))
                    problems << QString::fromLatin1(l.name) + QStringLiteral(" lacks ") + key;
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void FormatsAndFieldWidthsHold_data() { CataloguesTranslateEveryNumberMenuAndDialogText_data(); }
    void FormatsAndFieldWidthsHold() {
        QFETCH(int, language);
        const Language& l = kLanguages[language];
        std::unique_ptr<LanguageModule> module = LanguageModule::Load(CataloguePath(l));
        QVERIFY(module);
        QStringList problems;
        for (const TsMessage& m : ReadTs(TsPath(l)))
            if (Conversions(m.source) != Conversions(m.translation))
                problems << QStringLiteral("conversions of ") + Key(m) + QStringLiteral(" -> ") + m.translation;

        auto text = [&](int id) { return module->String(id); };
        auto atMost = [&](std::initializer_list<int> ids, qsizetype chars, const char* what) {
            for (int id : ids)
                if (text(id).size() > chars)
                    problems << QStringLiteral("%1 %2 longer than %3: ").arg(what).arg(id).arg(chars) + text(id);
        };
        atMost({52, 53, 59, 60}, kShortUnitChars, "unit");
        atMost({43, 44, 45, 46, 57, 58, 61, 62, 63, 64, 78, 80, 81, 86, 87, 89}, kUnitNameChars, "unit");
        // table headers and the datasheets' labels, which are padded to 15
        atMost({2,   3,   13,  14,  15,  27,  31,  32,  35,  36,  37,  38,  39,  40,  41,  42,  47,
                48,  49,  50,  51,  55,  77,  79,  82,  84,  85,  88,  90,  91,  99,  100, 103, 106,
                107, 108, 109, 111, 112, 114, 115, 117, 118, 121, 122, 124, 125, 126, 127, 128, 129},
               kShortWordChars, "short word");
        for (int id : EnglishStringIds())
            if (text(id).size() > qsizetype(kMessageChars))
                problems << QStringLiteral("message %1 longer than %2").arg(id).arg(kMessageChars);
        // the tools' fixed-width tables: air tank and torsion cells are 12 wide, speed 13
        atMost({84, 85, 55, 13, 45, 46, 43, 44, 90, 65, 88, 91, 86, 87, 89}, 12, "tool table cell");
        atMost({42, 103, 78}, 13, "speed table cell");
        // composed labels: the speed datasheet's flow label and the hot line's inputs
        for (int unit : {80, 81})
            if ((text(116) + QLatin1Char(' ') + text(unit)).size() > 15)
                problems << QStringLiteral("flow label longer than 15");
        if ((text(95) + QLatin1Char(' ') + text(94) + QLatin1Char(' ') + text(56)).size() > 34)
            problems << QStringLiteral("hot line label longer than 34");
        // the database datasheet prints this heading in ASCII capitals
        for (QChar c : text(120))
            if (c.unicode() > 127)
                problems << QStringLiteral("string 120 is not ASCII: ") + text(120);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void RunningProgramSwitchesThroughSetupAndBack() {
        // a German user sees German from the first window on
        PrepareFolder("D");
        ModalAnswers answers;
        auto app = Start(answers);
        VnFrame* frame = app->GetFrame();
        QVERIFY(app->StringModule());
        QCOMPARE(frame->menuBar()->actions().at(0)->text(), QStringLiteral("&Datei"));
        const QString ownCaption = QString::fromUtf8(EnglishString(flavour::kCaptionString));
        QCOMPARE(frame->windowTitle(), Str(flavour::kCaptionString));

        QStringList problems;
        const std::vector<MenuNode> menu = MenuDefinition(flavour::kMainMenu);
        for (const Language* l : {&kLanguages[0], &kLanguages[2], &kLanguages[1]}) {
            const QString was = app->StringModule()->FilePath();
            // the setup dialog speaks the language that is active while it is open
            answers.Then([&](QWidget* w) {
                InspectScreen(w, {}, problems);
                auto* units = w->findChild<QComboBox*>(QStringLiteral("units"));
                if (units->itemText(0) != Str(24))
                    problems << QStringLiteral("setup units list: ") + units->itemText(0);
                w->findChild<QComboBox*>(QStringLiteral("language"))->setCurrentIndex(l->index);
                qobject_cast<QDialog*>(w)->accept();
            });
            frame->Command(cmd::Setup);
            QVERIFY2(app->StringModule() &&
                         app->StringModule()->FilePath().endsWith(QString::fromLatin1(l->name) + QStringLiteral(".qm")),
                     qPrintable(was));
            LanguageModule& module = *app->StringModule();

            const QList<QAction*> titles = frame->menuBar()->actions();
            QCOMPARE(titles.size(), qsizetype(menu.size()));
            QCOMPARE(titles.at(0)->text(), QString::fromUtf8(l->fileMenu));
            for (qsizetype i = 0; i < titles.size(); ++i)
                QCOMPARE(titles.at(i)->text(), module.MenuCaption(QString::fromStdString(menu[i].caption)));
            QCOMPARE(frame->windowTitle(), Str(flavour::kCaptionString));
            QVERIFY(frame->windowTitle() != ownCaption);
            QCOMPARE(frame->FindCommand(cmd::Setup)->statusTip(), Str(cmd::Setup));
            QVERIFY(frame->FindCommand(cmd::Setup)->text() != QStringLiteral("&Setup"));

            // a screen: the torsion tool's labels
            answers.Then([&](QWidget* w) {
                QCOMPARE(w->windowTitle(),
                         Translated(module, "VnTorsionDialog", QStringLiteral("Calculations for Shaft Torsion")));
                bool diameter = false;
                for (QLabel* label : w->findChildren<QLabel*>())
                    diameter = diameter ||
                               label->text() == Translated(module, "VnTorsionDialog", QStringLiteral("Shaft Diameter"));
                if (!diameter)
                    problems << QStringLiteral("torsion: no translated diameter label");
                InspectScreen(w, {}, problems);
                qobject_cast<QDialog*>(w)->reject();
            });
            frame->Command(cmd::Torsion);

            // a datasheet body: the input lines with their labels in this language
            InputLines in;
            in.actuatorTitle = "VARNOX RP";
            in.pressure = 5.5f;
            in.pressureUnit = LoadString(45);
            in.safety = 1.2f;
            const std::vector<std::string> lines = InputLinesText(in);
            QCOMPARE(QString::fromStdString(lines.at(0)),
                     QString::fromStdString(PadRight(l->actuator, 15)) + QStringLiteral(" = VARNOX RP"));
            QCOMPARE(QString::fromStdString(lines.at(1)),
                     QString::fromStdString(PadRight(LoadString(55), 15)) + QStringLiteral(" = 5.5 bar"));
            QVERIFY(!QString::fromStdString(lines.at(2)).startsWith(QLatin1String("Safety")));
        }

        // and back to English: the program's own menu, texts and a list that stays shut
        ChooseInSetup(*app, answers, 0, problems);
        QCOMPARE(app->StringModule(), nullptr);
        QCOMPARE(frame->menuBar()->actions().at(0)->text(), QStringLiteral("&File"));
        QCOMPARE(Str(42), QStringLiteral("Actuator"));
        QCOMPARE(frame->windowTitle(), ownCaption);
        QCOMPARE(frame->FindCommand(cmd::Setup)->statusTip(), QString::fromUtf8(EnglishString(cmd::Setup)));
        answers.Then([&](QWidget* w) {
            if (w->findChild<QComboBox*>(QStringLiteral("language"))->isEnabled())
                problems << QStringLiteral("English setup lets the language be changed");
            if (w->windowTitle().contains(QLatin1String("Einstellungen")))
                problems << QStringLiteral("English setup titled in German");
            qobject_cast<QDialog*>(w)->reject();
        });
        frame->Command(cmd::Setup);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(answers.Unexpected, 0);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void StandardDialogsSpeakTheLanguage() {
        const QString qtCatalogue =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
        QVERIFY2(QFile::exists(qtCatalogue), qPrintable(qtCatalogue + QStringLiteral(": qt6-translations-l10n missing")));
        PrepareFolder("D");
        ModalAnswers answers;
        auto app = Start(answers);
        QVERIFY(app->StringModule() && app->StringModule()->QtTranslator());
        auto cancelButton = [&] {
            QString text;
            answers.Then([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                text = box->button(QMessageBox::Cancel)->text();
                box->reject();
            });
            QMessageBox::warning(app->GetFrame(), Str(20), Str(133), QMessageBox::Save | QMessageBox::Cancel);
            return text;
        };
        QCOMPARE(cancelButton(), QStringLiteral("Abbrechen"));
        // only Qt's catalogue has the file dialog's labels
        auto lookIn = [&] {
            QFileDialog files(app->GetFrame());
            files.setOption(QFileDialog::DontUseNativeDialog);
            return files.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
        };
        QCOMPARE(lookIn(), QStringLiteral("Suchen in:"));

        QStringList problems;
        ChooseInSetup(*app, answers, 0, problems);
        QCOMPARE(cancelButton(), QStringLiteral("Cancel"));
        QCOMPARE(lookIn(), QStringLiteral("Look in:"));
        QVERIFY(answers.AllAnswered());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void EveryScreenSpeaksTheLanguage_data() { CataloguesTranslateEveryNumberMenuAndDialogText_data(); }
    void EveryScreenSpeaksTheLanguage() {
        QFETCH(int, language);
        const Language& l = kLanguages[language];
        PrepareFolder(l.code);
        ModalAnswers answers;
        auto app = Start(answers);
        VnFrame* frame = app->GetFrame();
        QVERIFY(app->StringModule());

        // the English texts that this catalogue translates into something else
        QSet<QString> english;
        for (const TsMessage& m : ReadTs(TsPath(l)))
            if (m.context != QLatin1String(kVersionContext) && m.source != m.translation &&
                m.source != QLatin1String("LanguageListEnabled"))
                english.insert(m.source);

        QStringList problems;
        for (int command : ScreenCommands()) {
            bool shown = false;
            answers.Then([&](QWidget* w) {
                shown = true;
                if (qobject_cast<QMessageBox*>(w))
                    problems << QStringLiteral("command %1 brought a message: ").arg(command) +
                                    qobject_cast<QMessageBox*>(w)->text();
                InspectScreen(w, english, problems);
                qobject_cast<QDialog*>(w)->reject();
            });
            frame->Command(command);
            if (!shown)
                problems << QStringLiteral("command %1 showed nothing").arg(command);
        }

        // the about box composes its version line from the catalogue's keys
        answers.Then([&](QWidget* w) {
            InspectScreen(w, english, problems);
            const VersionLookup versions = app->StringModule()->Versions();
            const std::string shortName = flavour::kShortName;
            const QString line = QString::fromStdString(*versions("ProductName" + shortName)) + QLatin1Char(' ') +
                                 Translated(*app->StringModule(), "VnAboutDlg",
                                            QString::fromLatin1(flavour::kPneumatic ? "Version 7.2" : "Version 4.2")) +
                                 QLatin1Char(' ') + QString::fromStdString(*versions("ProductVersion" + shortName));
            bool found = false;
            for (QLabel* label : w->findChildren<QLabel*>())
                found = found || label->text() == line;
            if (!found)
                problems << QStringLiteral("about box has no line ") + line;
            qobject_cast<QDialog*>(w)->accept();
        });
        frame->Command(cmd::About);

        // a yes/no question asked in this language is answered in it
        answers.Then([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QLatin1String("&Yes") || b->text() == QLatin1String("&No"))
                    problems << QStringLiteral("message box button ") + b->text();
            box->reject();
        });
        QMessageBox::question(frame, Str(501), Str(105), QMessageBox::Yes | QMessageBox::No);

        // the conversion windows are modeless
        for (int command : {cmd::ConvertPressure, cmd::ConvertTorque1, cmd::ConvertLength, cmd::ConvertWeight,
                            cmd::ConvertVolume, cmd::ConvertTemperature}) {
            frame->Command(command);
            QDialog* open = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("dialog111") && w->isVisible())
                    open = qobject_cast<QDialog*>(w);
            QVERIFY(open);
            QVERIFY2(open->windowTitle().startsWith(Str(54) + QLatin1Char(' ')), qPrintable(open->windowTitle()));
            InspectScreen(open, english, problems);
            open->close();
        }
        QVERIFY(answers.AllAnswered());
        QCOMPARE(answers.Unexpected, 0);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void EveryTableShowsItsTextsWhole_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("units");
        for (const char* language : {"UK", "NL", "D", "F"})
            for (const char* units : {"METRIC", "IMPERIAL"})
                QTest::addRow("%s %s", language, units) << QByteArray(language) << QByteArray(units);
    }
    void EveryTableShowsItsTextsWhole() {
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, units);
        PrepareFolder(language.constData(), units.constData());
        ModalAnswers answers;
        auto app = Start(answers);
        QStringList problems;
        for (int command : ScreenCommands()) {
            answers.Then([&](QWidget* w) {
                for (ptMultiListBox* table : w->findChildren<ptMultiListBox*>())
                    if (table->SideScrollBar->isVisible())
                        problems << w->objectName() + QStringLiteral(": opens on a table that scrolls sideways");
                if (!w->screen()->availableGeometry().contains(w->geometry()))
                    problems << w->objectName() + QStringLiteral(": opens off the screen");
                FillTable(w);
                CheckTextsWhole(w, problems);
                qobject_cast<QDialog*>(w)->reject();
            });
            app->GetFrame()->Command(command);
        }
        QVERIFY(answers.AllAnswered());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"

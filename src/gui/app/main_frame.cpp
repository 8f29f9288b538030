#include "gui/app/main_frame.h"

#include "core/text/load_string.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/app/language.h"
#include "gui/common/flavour.h"
#include "gui/common/messages.h"
#include "gui/common/remembered.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>

namespace {

QString EnglishText(int id) {
    const char* text = EnglishString(id);
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

QIcon ProgramIcon(bool pneumatic) {
    // the installed icon theme carries the real icons; the drawn one serves a build tree
    const QIcon themed =
        QIcon::fromTheme(pneumatic ? QStringLiteral("com.varnox.vnpneu") : QStringLiteral("com.varnox.vnelec"));
    if (!themed.isNull())
        return themed;
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = size / 32.0;
        p.scale(s, s);
        p.setPen(Qt::NoPen);
        p.setBrush(pneumatic ? QColor(30, 90, 160) : QColor(200, 110, 20));
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
        p.setBrush(Qt::white);
        if (pneumatic) {
            // a rack-and-pinion body with a stem
            p.drawRoundedRect(QRectF(5, 11, 22, 12), 3, 3);
            p.drawRect(QRectF(14, 5, 4, 6));
            p.setBrush(QColor(30, 90, 160));
            p.drawEllipse(QPointF(16, 17), 3.5, 3.5);
        } else {
            // a lightning bolt
            QPainterPath bolt;
            bolt.moveTo(18, 4);
            bolt.lineTo(9, 18);
            bolt.lineTo(15, 18);
            bolt.lineTo(12, 28);
            bolt.lineTo(23, 13);
            bolt.lineTo(17, 13);
            bolt.closeSubpath();
            p.drawPath(bolt);
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

VnFrame::VnFrame(VnApp& app) : app_(app), client_(new VnClient(app, this)) {
    setWindowTitle(QStringLiteral("Sizing"));
    setWindowIcon(ProgramIcon(flavour::kPneumatic));
    setCentralWidget(client_);
    statusBar()->setSizeGripEnabled(true);
    // Qt cannot read the lock keys' state on every platform; overtype is the program's own
    overtype_ = new QLabel(QStringLiteral("OVR"), this);
    overtype_->setObjectName(QStringLiteral("indicatorOvertype"));
    overtype_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addPermanentWidget(overtype_);
    qApp->installEventFilter(this);
    UpdateIndicators();
}

bool VnFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        // a key that its widget leaves alone goes on to each parent, and the filter sees
        // it again at every step: one press flips the indicator once
        const bool insert = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert;
        if (insert && event != lastInsert_) {
            overtypeOn_ = !overtypeOn_;
            UpdateIndicators();
        }
        lastInsert_ = insert ? event : nullptr;
    } else if (event->type() == QEvent::KeyRelease) {
        lastInsert_ = nullptr;
    }
    return QMainWindow::eventFilter(watched, event);
}

void VnFrame::UpdateIndicators() {
    overtype_->setEnabled(overtypeOn_);
    overtype_->setText(overtypeOn_ ? QStringLiteral("OVR") : QStringLiteral("   "));
}

void VnFrame::ApplyMenu(LanguageModule* module) {
    const QList<QMenu*> old = menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    menuBar()->clear();
    qDeleteAll(old);
    for (const MenuNode& popup : MenuDefinition(flavour::kMainMenu)) {
        QMenu* menu = menuBar()->addMenu(module ? module->MenuCaption(QString::fromStdString(popup.caption))
                                                : QString::fromStdString(popup.caption));
        menu->setProperty("caption", QString::fromStdString(popup.caption));
        AddItems(menu, popup.children, module);
    }
    // without a module the menu is the program's own: its caption and hints are English
    // even while a catalogue supplies the strings of the dialogs
    const QString caption = module ? module->String(flavour::kCaptionString) : EnglishText(flavour::kCaptionString);
    setWindowTitle(caption);
}

void VnFrame::AddItems(QMenu* menu, const std::vector<MenuNode>& items, LanguageModule* module) {
    for (const MenuNode& item : items) {
        if (item.IsSeparator()) {
            menu->addSeparator();
            continue;
        }
        QString text = QString::fromStdString(item.caption);
        if (module)
            text = module->MenuCaption(text);
        if (item.IsPopup()) {
            QMenu* sub = menu->addMenu(text);
            sub->setProperty("caption", QString::fromStdString(item.caption));
            AddItems(sub, item.children, module);
            continue;
        }
        // the "&&" of a caption is a literal ampersand in both toolkits
        QAction* action = menu->addAction(text.section(QLatin1Char('\t'), 0, 0));
        if (text.contains(QLatin1Char('\t')))
            action->setShortcut(QKeySequence(text.section(QLatin1Char('\t'), 1)));
        action->setProperty("command", item.command);
        action->setProperty("caption", QString::fromStdString(item.caption));
        action->setStatusTip(module ? module->String(item.HintString()) : EnglishText(item.HintString()));
        action->setObjectName(QStringLiteral("command%1").arg(item.command));
        const int command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { Command(command); });
        if (command == cmd::PrintSetup)
            connect(menu, &QMenu::aboutToShow, action,
                    [this, action] { action->setEnabled(app_.HasDefaultPrinter()); });
    }
}

QAction* VnFrame::FindCommand(int command) const {
    return findChild<QAction*>(QStringLiteral("command%1").arg(command));
}

void VnFrame::Command(int command) {
    switch (command) {
    case cmd::Setup:
        app_.RunSetup(client_);
        break;
    case cmd::About:
        app_.CmAbout();
        break;
    case cmd::UserGuide:
    case cmd::ElectricUserGuide:
        app_.CmUserGuide(this);
        break;
    case cmd::Exit:
        close();
        break;
    case cmd::PrintSetup:
        if (app_.HasDefaultPrinter())
            app_.CmPrintSetup();
        break;
    default:
        client_->Command(command);
        break;
    }
}

void VnFrame::ShowAtRememberedPlace() {
    const std::optional<FramePlace> remembered = RememberedFramePlace();
    if (!remembered) {
        // without a window manager a maximise request is ignored; start at the screen's size
        if (QScreen* screen = QGuiApplication::primaryScreen())
            setGeometry(screen->availableGeometry());
        showMaximized();
        return;
    }
    const std::optional<QRect> place = PlaceOnScreens(remembered->normal);
    setGeometry(place ? *place : CentredOnPrimaryScreen(remembered->normal.size()));
    restoreState(remembered->state);
    if (remembered->maximized)
        showMaximized();
    else
        show();
}

void VnFrame::RememberPlace() {
    if (isVisible())
        RememberFramePlace({normalGeometry(), isMaximized(), saveState()});
}

void VnFrame::closeEvent(QCloseEvent* event) {
    RememberPlace();
    QMainWindow::closeEvent(event);
}

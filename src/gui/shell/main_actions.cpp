#include "gui/shell/main_actions.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QToolBar>

#include "core/editor/key_codes.h"
#include "core/shell/own_texts.h"
#include "gui/shell/action_handlers.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

namespace {

enum : unsigned {
    kHidden = 1,  // not in a menu; its shortcut works
    kCheck = 2,
    kChecked = 4,
    kSeparator = 8,  // a separator before the item
    kSubmenu = 16,
    kRadio = 32,  // one of the checked items of its submenu
};

// A menu item; its caption and hint are the window's own texts of its name.
struct MenuItem {
    const char* name;
    const char* key;
    const char* parent;
    unsigned flags;
};

// clang-format off
constexpr MenuItem kMenu[] = {
    {"File1", "", "", kSubmenu},
    {"New1", "Ctrl+N", "File1", 0},
    {"Open1", "Ctrl+O", "File1", 0},
    {"Save1", "Ctrl+S", "File1", 0},
    {"SaveAs1", "", "File1", 0},
    {"PrintPrew1", "", "File1", kSeparator},
    {"PrinterSetup1", "", "File1", 0},
    {"Print1", "Ctrl+P", "File1", 0},
    {"Exit1", "Alt+X", "File1", kSeparator},

    {"Edit1", "", "", kSubmenu},
    {"Edit2", "Ctrl+E", "Edit1", 0},
    {"Banck1", "F2", "Edit1", 0},
    {"N20", "Ctrl+A", "Edit1", kCheck},
    {"N7", "F3", "Edit1", kSeparator},
    {"MarkBegin1", "Ctrl+B", "Edit1", kSeparator},
    {"MarkEnd1", "Ctrl+K", "Edit1", 0},
    {"Copy1", "Ctrl+Shift+C", "Edit1", 0},
    {"Paste1", "Ctrl+Shift+V", "Edit1", 0},
    {"Cut1", "Del", "Edit1", 0},
    {"ReadBlockFrom1", "Ctrl+Shift+R", "Edit1", kSeparator},
    {"WriteBlockTo1", "Ctrl+Shift+W", "Edit1", 0},
    {"Delete1", "Ctrl+Del", "Edit1", kSeparator},
    {"Zoom1", "Ctrl+M", "Edit1", kHidden},

    {"Run1", "", "", kSubmenu},
    {"Run2", "Ctrl+R", "Run1", 0},
    {"Solve1", "F6", "Run1", 0},
    {"ChangeParameters1", "", "Run1", kHidden},
    {"Step1", "", "Run1", kSubmenu},
    {"Constant1", "", "Step1", kCheck | kChecked | kRadio},
    {"Var1", "", "Step1", kCheck | kRadio},
    {"GarmonicLinearization1", "", "Run1", kSeparator},
    {"Popov1", "", "Run1", 0},
    {"OptimMethods1", "", "Run1", kHidden},
    {"Poisk21", "", "OptimMethods1", kHidden | kCheck | kChecked | kRadio},
    {"Poisk41", "", "OptimMethods1", kHidden | kCheck | kRadio},
    {"NelderMid1", "", "OptimMethods1", kHidden | kCheck | kRadio},
    {"HukJivs1", "", "OptimMethods1", kHidden | kCheck | kRadio},
    {"Characteristics1", "F9", "Run1", 0},
    {"Stability1", "", "Run1", 0},
    {"Quality1", "", "Run1", kHidden},
    {"Roots1", "", "Run1", 0},
    {"OptimMaxAw1", "", "Run1", kHidden},
    {"Other1", "", "Run1", 0},
    {"Sintez1", "", "Run1", 0},

    {"Tools1", "", "", kSubmenu},
    {"Calcul1", "F8", "Tools1", 0},
    {"N23", "", "Tools1", kSeparator | kCheck | kChecked},
    {"N24", "", "Tools1", kHidden | kCheck | kChecked},
    {"N25", "", "Tools1", kHidden | kCheck | kChecked},
    {"N26", "F4", "Tools1", 0},
    {"N27", "", "Tools1", kCheck},
    {"NumLock1", "", "Tools1", kSeparator | kCheck},
    {"ScrollLock1", "", "Tools1", kCheck},

    {"Options1", "", "", kSubmenu},
    {"Time1", "", "Options1", kSubmenu},
    {"CurrentTime1", "", "Time1", kCheck | kChecked | kRadio},
    {"TimeOfWork1", "", "Time1", kCheck | kRadio},
    {"TimeOfProgress1", "", "Time1", kSeparator | kCheck | kChecked},
    {"Path1", "", "Options1", 0},
    {"SpeedBar1", "", "Options1", kSubmenu},
    {"ShowSpeedBar1", "", "SpeedBar1", kCheck | kChecked},
    {"ShowHints1", "", "SpeedBar1", kCheck | kChecked},
    {"Lang1", "", "Options1", kSubmenu},
    {"EnglishLang", "", "Lang1", kCheck | kChecked | kRadio},
    {"RussianLang", "", "Lang1", kCheck | kRadio},
    {"RomanianLang", "", "Lang1", kCheck | kRadio},

    {"Help1", "", "", kSubmenu},
    {"Contents1", "", "Help1", 0},
    {"SearchforHelpOn1", "", "Help1", 0},
    {"HowtoUseHelp1", "", "Help1", 0},
    {"HelpContext1", "F1", "Help1", kHidden},
    {"About1", "", "Help1", kSeparator},
};
// clang-format on

// The analysis items of the Run menu and the command codes they hand to the dispatcher.
// clang-format off
constexpr struct {
    const char* name;
    int code;
} kAnalysisCommands[] = {{"GarmonicLinearization1", 64}, {"Popov1", 69}, {"Characteristics1", 71},
                         {"Stability1", 72},             {"Quality1", 73}, {"Roots1", 74},
                         {"OptimMaxAw1", 75},            {"Other1", 76}, {"Sintez1", 77}};
// clang-format on

// The optimisation methods of the Run menu and their indices in the "&Method" group.
// clang-format off
constexpr struct {
    const char* name;
    int method;
} kOptimMethodItems[] = {{"Poisk21", 0}, {"Poisk41", 1}, {"NelderMid1", 2}, {"HukJivs1", 3}};
// clang-format on

// A speed button; its text and hint are the window's own texts of its name.
struct SpeedButton {
    const char* name;
    int group;  // 0: a plain button; 1..3: a button that stays down
    int icon;   // a QStyle standard pixmap, or -1 for the text as the glyph
    bool separatorBefore;
};

// clang-format off
constexpr SpeedButton kSpeedButtons[] = {
    {"NewBtn", 0, QStyle::SP_FileIcon, false},
    {"OpenBtn", 0, QStyle::SP_DirOpenIcon, false},
    {"SaveBtn", 0, QStyle::SP_DialogSaveButton, false},
    {"EditBtn", 1, -1, true},
    {"BankBtn", 2, -1, false},
    {"RunBtn", 1, -1, false},
    {"SolveBtn", 0, QStyle::SP_MediaPlay, false},
    {"UndoBtn", 0, QStyle::SP_ArrowBack, true},
    {"RedoBtn", 0, QStyle::SP_ArrowForward, false},
    {"CutBtn", 0, -1, true},
    {"CopyBtn", 0, -1, false},
    {"PasteBtn", 0, -1, false},
    {"DelBtn", 0, QStyle::SP_TrashIcon, false},
    {"editor", 3, -1, true},
    {"SpeedButton1", 0, -1, false},
    {"ExitBtn", 0, QStyle::SP_DialogCloseButton, true},
};
// clang-format on

struct KeyItem {
    const char* name;
    QKeyCombination key;
    int code;
    bool shift;
};

// clang-format off
const KeyItem kKeyItems[] = {
    {"EscTmp", QKeyCombination(Qt::Key_Escape), editor::kKeyEsc, false},
    {"SpaceTmp", QKeyCombination(Qt::Key_Space), editor::kKeySpace, false},
    {"PgUpTmp", QKeyCombination(Qt::Key_PageUp), editor::kKeyPgUp, false},
    {"PgDnTmp", QKeyCombination(Qt::Key_PageDown), editor::kKeyPgDn, false},
    {"EndTmp", QKeyCombination(Qt::Key_End), editor::kKeyEnd, false},
    {"HomeTmp", QKeyCombination(Qt::Key_Home), editor::kKeyHome, false},
    {"LeftTmp", QKeyCombination(Qt::Key_Left), editor::kKeyLeft, false},
    {"CtrlLeftTmp", QKeyCombination(Qt::CTRL, Qt::Key_Left), editor::kKeyCtrlLeft, false},
    {"UpTmp", QKeyCombination(Qt::Key_Up), editor::kKeyUp, false},
    {"CtrlUpTmp", QKeyCombination(Qt::CTRL, Qt::Key_Up), editor::kKeyPgUp, false},
    {"RightTmp", QKeyCombination(Qt::Key_Right), editor::kKeyRight, false},
    {"CtrlRightTmp", QKeyCombination(Qt::CTRL, Qt::Key_Right), editor::kKeyCtrlRight, false},
    {"DownTmp", QKeyCombination(Qt::Key_Down), editor::kKeyDown, false},
    {"CtrlDownTmp", QKeyCombination(Qt::CTRL, Qt::Key_Down), editor::kKeyPgDn, false},
    {"ShiftLeftTmp", QKeyCombination(Qt::SHIFT, Qt::Key_Left), editor::kKeyLeft, true},
    {"ShiftRightTmp", QKeyCombination(Qt::SHIFT, Qt::Key_Right), editor::kKeyRight, true},
    {"ShiftUpTmp", QKeyCombination(Qt::SHIFT, Qt::Key_Up), editor::kKeyUp, true},
    {"ShiftDownTmp", QKeyCombination(Qt::SHIFT, Qt::Key_Down), editor::kKeyDown, true},
    // The digits move the Run-regime cursor a block width.
    {"Digit2Tmp", QKeyCombination(Qt::Key_2), editor::kKeyDigit2, false},
    {"Digit4Tmp", QKeyCombination(Qt::Key_4), editor::kKeyDigit4, false},
    {"Digit6Tmp", QKeyCombination(Qt::Key_6), editor::kKeyDigit6, false},
    {"Digit8Tmp", QKeyCombination(Qt::Key_8), editor::kKeyDigit8, false},
};
// clang-format on

// A popup item; its caption is the window's own text of its name.
struct PopupItem {
    const char* name;
    const char* key;  // shown only: the window handles the key
};

// clang-format off
constexpr PopupItem kPopupMenu2[] = {
    {"G05", "Ctrl+X"}, {"G", "Ctrl+C"}, {"N10", "Ctrl+V"}, {"G03", "Del"},
    {"N16", ""}, {"N17", ""}, {"N19", "Ctrl+Del"},
};
constexpr PopupItem kPopupMenu3[] = {{"N11", ""}, {"N12", ""}, {"N14", ""}};
// clang-format on

// The window's own handlers of the menu items and speed buttons; the mouse editor's
// and the shell's commands connect their own.
// clang-format off
constexpr ActionHandler<TFormMain> kHandlers[] = {
    {"New1", &TFormMain::newScheme}, {"NewBtn", &TFormMain::newScheme},
    {"Open1", &TFormMain::openScheme}, {"OpenBtn", &TFormMain::openScheme},
    {"Save1", &TFormMain::saveScheme}, {"SaveBtn", &TFormMain::saveScheme},
    {"SaveAs1", &TFormMain::saveSchemeAs},
    {"PrintPrew1", &TFormMain::previewPrint}, {"PrinterSetup1", &TFormMain::setUpPrinter},
    {"Print1", &TFormMain::printScheme},
    {"Exit1", &TFormMain::exitProgram}, {"ExitBtn", &TFormMain::exitProgram},
    {"Edit2", &TFormMain::editScheme}, {"EditBtn", &TFormMain::editScheme},
    {"Banck1", &TFormMain::toggleBankPanel}, {"BankBtn", &TFormMain::pressBankButton},
    {"N20", &TFormMain::switchMouseEditorItem}, {"editor", &TFormMain::switchMouseEditor},
    {"N7", &TFormMain::redrawAll},
    {"MarkBegin1", &TFormMain::markBegin}, {"MarkEnd1", &TFormMain::markEnd},
    {"Copy1", &TFormMain::copyBlock}, {"Paste1", &TFormMain::moveBlock}, {"Cut1", &TFormMain::deleteBlock},
    {"ReadBlockFrom1", &TFormMain::readBlock}, {"WriteBlockTo1", &TFormMain::writeBlock},
    {"Delete1", &TFormMain::clearScreen}, {"Zoom1", &TFormMain::zoom},
    {"UndoBtn", &TFormMain::undo}, {"RedoBtn", &TFormMain::redo},
    {"Run2", &TFormMain::runScheme}, {"RunBtn", &TFormMain::runScheme},
    {"Solve1", &TFormMain::solve}, {"SolveBtn", &TFormMain::solveFromButton},
    {"ChangeParameters1", &TFormMain::changeParameters},
    {"Constant1", &TFormMain::chooseConstantStep}, {"Var1", &TFormMain::chooseVariableStep},
    {"N26", &TFormMain::editCaptions},
    {"Path1", &TFormMain::editPaths},
    {"EnglishLang", &TFormMain::chooseEnglish}, {"RussianLang", &TFormMain::chooseRussian},
    {"RomanianLang", &TFormMain::chooseRomanian},
    {"SpeedButton1", &TFormMain::openParameterGrid},
    {"EditEnter", &TFormMain::pressEnter}, {"TabTmp", &TFormMain::pressTab},
};
// clang-format on

QString ownText(const char* name, TextProperty property) {
    const std::string_view text = mainWindowText(name, property);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A speed-button glyph: the button's text in a small frame.
QIcon glyphIcon(const QString& text) {
    QFont f = QApplication::font();
    f.setPixelSize(10);
    f.setBold(true);
    QPixmap pm(std::max(40, QFontMetrics(f).horizontalAdvance(text) + 6), 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(f);
    p.setPen(QColor(40, 40, 40));
    p.drawText(pm.rect(), Qt::AlignCenter, text);
    return QIcon(pm);
}

// A button without a standard icon shows its text as its glyph, drawn again whenever
// the text changes (a language is applied).
void drawGlyphOf(QAction* a) {
    const auto draw = [a] {
        if (a->property("glyph").toString() == a->text()) return;
        a->setProperty("glyph", a->text());
        a->setIcon(glyphIcon(a->text()));
    };
    draw();
    QObject::connect(a, &QAction::changed, a, draw);
}

class Builder {
public:
    explicit Builder(TFormMain& form) : form_(form) {}

    MainActions build() {
        menus();
        speedBar();
        keyMenu();
        popupMenus();
        connectHandlers(out_.byName, form_, kHandlers);
        return out_;
    }

private:
    QAction* make(const char* name, const QString& caption, const QKeySequence& key = {}) {
        auto* a = new QAction(caption, &form_);
        a->setObjectName(name);
        if (!key.isEmpty()) a->setShortcut(key);
        out_.byName.insert(name, a);
        return a;
    }

    void menus();
    void speedBar();
    void keyMenu();
    void popupMenus();
    template <std::size_t N>
    QMenu* popupMenu(const char* name, const PopupItem (&items)[N]);

    TFormMain& form_;
    MainActions out_;
};

void Builder::menus() {
    QHash<QString, QMenu*> menus;
    QHash<QString, QActionGroup*> radioGroups;
    for (const MenuItem& item : kMenu) {
        const QString caption = ownText(item.name, TextProperty::Caption);
        const QString parent = QString::fromUtf8(item.parent);
        if (item.flags & kSubmenu) {
            QMenu* menu =
                parent.isEmpty() ? form_.menuBar()->addMenu(caption) : menus.value(parent)->addMenu(caption);
            if (item.flags & kSeparator) menus.value(parent)->insertSeparator(menu->menuAction());
            menu->setObjectName(QString::fromUtf8(item.name) + "Menu");
            menu->menuAction()->setObjectName(item.name);
            out_.byName.insert(item.name, menu->menuAction());
            menus.insert(item.name, menu);
            continue;
        }
        QAction* a = make(item.name, caption, QKeySequence(QString::fromUtf8(item.key)));
        a->setStatusTip(ownText(item.name, TextProperty::Hint));
        a->setCheckable(item.flags & kCheck);
        a->setChecked(item.flags & kChecked);
        if (item.flags & kRadio) {
            QActionGroup*& group = radioGroups[parent];
            if (!group) group = new QActionGroup(&form_);
            group->addAction(a);
        }
        if (item.flags & kHidden) {
            form_.addAction(a);  // kept on the form so that the shortcut works
        } else {
            QMenu* menu = menus.value(parent);
            if (item.flags & kSeparator) menu->addSeparator();
            menu->addAction(a);
        }
    }
    for (const auto& item : kAnalysisCommands) {
        const int code = item.code;
        TFormMain* form = &form_;
        QObject::connect(out_.byName.value(item.name), &QAction::triggered, form,
                         [form, code] { form->runAnalysis(code); });
    }
    for (const auto& item : kOptimMethodItems) {
        const int method = item.method;
        TFormMain* form = &form_;
        QObject::connect(out_.byName.value(item.name), &QAction::triggered, form,
                         [form, method] { form->chooseOptimMethod(method); });
    }
}

void Builder::speedBar() {
    QToolBar* bar = form_.addToolBar("Speed Bar");
    out_.speedBar = bar;
    bar->setObjectName("SpeedBar");
    bar->setMovable(false);
    bar->setIconSize(QSize(64, 24));
    QActionGroup* editOrRun = nullptr;  // group 1: EditBtn and RunBtn
    for (const SpeedButton& b : kSpeedButtons) {
        if (b.separatorBefore) bar->addSeparator();
        QAction* a = make(b.name, ownText(b.name, TextProperty::Text));
        if (b.icon >= 0) a->setIcon(form_.style()->standardIcon(static_cast<QStyle::StandardPixmap>(b.icon)));
        else drawGlyphOf(a);
        a->setToolTip(ownText(b.name, TextProperty::Hint));
        a->setStatusTip(a->toolTip());
        if (b.group > 0) {
            a->setCheckable(true);
            if (b.group == 1) {
                if (!editOrRun) editOrRun = new QActionGroup(&form_);
                editOrRun->addAction(a);
            }
        }
        bar->addAction(a);
    }
    bar->widgetForAction(out_.byName.value("SpeedButton1"))->setObjectName("SpeedButton1");
}

void Builder::keyMenu() {
    // The hidden key menu `EnerTmp`: one item per key, so that the keys reach the
    // editor whatever control has the focus.
    TFormMain* form = &form_;
    for (const KeyItem& k : kKeyItems) {
        QAction* a = make(k.name, QString::fromUtf8(k.name), QKeySequence(k.key));
        const int code = k.code;
        const bool shift = k.shift;
        QObject::connect(a, &QAction::triggered, form, [form, code, shift] { form->typeKey(code, shift); });
        form_.addAction(a);
    }
    QAction* enter = make("EditEnter", "EditEnter");
    enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    form_.addAction(enter);
    QAction* tab = make("TabTmp", "TabTmp", QKeySequence(Qt::Key_Tab));
    form_.addAction(tab);
}

void Builder::popupMenus() {
    out_.popupMenuHelp = new QMenu(&form_);
    out_.popupMenuHelp->setObjectName("PopupMenuHelp");
    QAction* name = out_.popupMenuHelp->addAction(QString());
    name->setObjectName("Help_bl");
    QFont f = name->font();
    f.setBold(true);
    name->setFont(f);
    out_.byName.insert("Help_bl", name);
    // Item 2 loads the block's test scheme, items 3 and 4 (the description and its
    // separator) are shown while a test scheme is open in Run.
    out_.popupMenuHelp->addSeparator();
    for (const char* item : {"Tests", "Description1", "DescriptionSeparator", "Abouthelp1"}) {
        const QString caption = ownText(item, TextProperty::Caption);
        QAction* a =
            caption.isEmpty() ? out_.popupMenuHelp->addSeparator() : out_.popupMenuHelp->addAction(caption);
        a->setObjectName(item);
        out_.byName.insert(item, a);
    }
    out_.popupMenu2 = popupMenu("PopupMenu2", kPopupMenu2);
    out_.popupMenu3 = popupMenu("PopupMenu3", kPopupMenu3);
}

template <std::size_t N>
QMenu* Builder::popupMenu(const char* name, const PopupItem (&items)[N]) {
    auto* menu = new QMenu(&form_);
    menu->setObjectName(name);
    for (const PopupItem& item : items) {
        QAction* a = make(item.name, ownText(item.name, TextProperty::Caption),
                          QKeySequence(QString::fromUtf8(item.key)));
        // Active only while the popup itself has the keys.
        a->setShortcutContext(Qt::WidgetShortcut);
        a->setShortcutVisibleInContextMenu(true);
        menu->addAction(a);
    }
    return menu;
}

}  // namespace

const char* optimMethodItem(int method) {
    for (const auto& item : kOptimMethodItems)
        if (item.method == method) return item.name;
    return nullptr;
}

MainActions buildMainActions(TFormMain& form) { return Builder(form).build(); }

}  // namespace velmar::gui

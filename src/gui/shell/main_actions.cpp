#include "gui/shell/main_actions.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QToolBar>

#include "core/editor/key_codes.h"
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

struct MenuItem {
    const char* name;
    const char* caption;
    const char* key;
    const char* parent;
    unsigned flags;
    const char* hint;
};

// clang-format off
constexpr MenuItem kMenu[] = {
    {"File1", "&File", "", "", kSubmenu, ""},
    {"New1", "&New", "Ctrl+N", "File1", 0, "New scheme"},
    {"Open1", "&Open...", "Ctrl+O", "File1", 0, "Open a scheme or a picture"},
    {"Save1", "&Save", "Ctrl+S", "File1", 0, "Save the scheme"},
    {"SaveAs1", "Save &As...", "", "File1", 0, "Save the scheme under a new name"},
    {"PrintPrew1", "Print Preview...", "", "File1", kSeparator, "Preview the printed scheme"},
    {"PrinterSetup1", "Printer Setup...", "", "File1", 0, "Choose and set up the printer"},
    {"Print1", "&Print...", "Ctrl+P", "File1", 0, "Print the scheme"},
    {"Exit1", "E&xit", "Alt+X", "File1", kSeparator, "Leave the program"},

    {"Edit1", "&Edit", "", "", kSubmenu, ""},
    {"Edit2", "&Edit", "Ctrl+E", "Edit1", 0, "Edit the scheme"},
    {"Banck1", "&Banck of Blocks", "F2", "Edit1", 0, "Show or hide the Bank of Blocks"},
    {"N20", "Редактор схем", "Ctrl+A", "Edit1", kCheck, "Mouse selection of the scheme"},
    {"N7", "Обновить экран", "F3", "Edit1", kSeparator, "Redraw the scheme"},
    {"MarkBegin1", "MarkBe&gin", "Ctrl+B", "Edit1", kSeparator, "Mark: its top-left corner at the cursor"},
    {"MarkEnd1", "MarkEn&d", "Ctrl+K", "Edit1", 0, "Mark: its bottom-right corner at the cursor"},
    {"Copy1", "&Copy", "Ctrl+Shift+C", "Edit1", 0, "Copy the marked block to the cursor"},
    {"Paste1", "&Move", "Ctrl+Shift+V", "Edit1", 0, "Move the marked block to the cursor"},
    {"Cut1", "Dele&te", "Del", "Edit1", 0, "Delete the marked block"},
    {"ReadBlockFrom1", "&Read block from ...", "Ctrl+Shift+R", "Edit1", kSeparator,
     "Read a block file in at the cursor"},
    {"WriteBlockTo1", "&Write Block To...", "Ctrl+Shift+W", "Edit1", 0, "Write the marked block to a block file"},
    {"Delete1", "Clear &screen", "Ctrl+Del", "Edit1", kSeparator, "Clear the scheme"},
    {"Zoom1", "&Zoom", "Ctrl+M", "Edit1", kHidden, ""},

    {"Run1", "&Run", "", "", kSubmenu, ""},
    {"Run2", "&Run", "Ctrl+R", "Run1", 0, "Check the scheme and enter the Run regime"},
    {"Solve1", "&Solve", "F6", "Run1", 0, "Run the simulation"},
    {"ChangeParameters1", "&Change Parameters", "", "Run1", kHidden, ""},
    {"Step1", "Шаг: Постоянный", "", "Run1", kSubmenu, ""},
    {"Constant1", "&Constant", "", "Step1", kCheck | kChecked | kRadio, "Constant step"},
    {"Var1", "&Variable", "", "Step1", kCheck | kRadio, "Variable step with an accuracy bound"},
    {"GarmonicLinearization1", "Garmonic &Linearization", "", "Run1", kSeparator, ""},
    {"Popov1", "&Popov", "", "Run1", 0, ""},
    {"OptimMethods1", "Optim. Methods: Poisk 2", "", "Run1", kHidden, ""},
    {"Poisk21", "Poisk &2", "", "OptimMethods1", kHidden | kCheck | kChecked | kRadio, ""},
    {"Poisk41", "Poisk &4", "", "OptimMethods1", kHidden | kCheck | kRadio, ""},
    {"NelderMid1", "&Nelder-Mid", "", "OptimMethods1", kHidden | kCheck | kRadio, ""},
    {"HukJivs1", "&Huk-Jivs", "", "OptimMethods1", kHidden | kCheck | kRadio, ""},
    {"Characteristics1", "C&haracteristics", "F9", "Run1", 0, ""},
    {"Stability1", "S&tability", "", "Run1", 0, ""},
    {"Quality1", "&Quality", "", "Run1", kHidden, ""},
    {"Roots1", "R&oots", "", "Run1", 0, ""},
    {"OptimMaxAw1", "Optim &Max A(w)", "", "Run1", kHidden, ""},
    {"Other1", "Oth&er", "", "Run1", 0, ""},
    {"Sintez1", "S&ynthesis", "", "Run1", 0, ""},

    {"Tools1", "&Tools", "", "", kSubmenu, ""},
    {"Calcul1", "&Calculator", "F8", "Tools1", 0, "Start the calculator"},
    {"N23", "Автоматическое проставление стрелок", "", "Tools1", kSeparator | kCheck | kChecked, ""},
    {"N24", "Подсказки к элементам", "", "Tools1", kHidden | kCheck | kChecked, ""},
    {"N25", "Пояснение к элементам", "", "Tools1", kHidden | kCheck | kChecked, ""},
    {"N26", "Надписи и текстовые комментарии", "F4", "Tools1", 0, ""},
    {"N27", "Элемент в центре рабочей области ", "", "Tools1", kCheck,
     "Если элемент не виден из-за Банка блоков, при выборе показывать его в центре рабочей области"},
    {"NumLock1", "Num Lock: пересечение линий без соединения", "", "Tools1", kSeparator | kCheck,
     "Линии, нарисованные поперек, пересекаются без соединения"},
    {"ScrollLock1", "Scroll Lock: стирание линий", "", "Tools1", kCheck,
     "Движение курсора с Shift стирает линии"},

    {"Options1", "&Options", "", "", kSubmenu, ""},
    {"Time1", "&Time", "", "Options1", kSubmenu, ""},
    {"CurrentTime1", "&Current Time", "", "Time1", kCheck | kChecked | kRadio, "The clock shows the current time"},
    {"TimeOfWork1", "&Time of  Work", "", "Time1", kCheck | kRadio, "The clock shows the time of work"},
    {"TimeOfProgress1", "Time of &Progress", "", "Time1", kSeparator | kCheck | kChecked,
     "Show the time reached while a run goes on"},
    {"Path1", "&Path...", "", "Options1", 0, "Working folders of schemes, point files and test schemes"},
    {"SpeedBar1", "S&peed Bar", "", "Options1", kSubmenu, ""},
    {"ShowSpeedBar1", "&Speed Bar", "", "SpeedBar1", kCheck | kChecked, "Show or hide the speed bar"},
    {"ShowHints1", "&Hints", "", "SpeedBar1", kCheck | kChecked, "Show the hints of the speed buttons"},
    {"Lang1", "&Language", "", "Options1", kSubmenu, ""},
    {"EnglishLang", "&English", "", "Lang1", kCheck | kChecked | kRadio, ""},
    {"RussianLang", "&Russian", "", "Lang1", kCheck | kRadio, ""},
    {"RomanianLang", "R&omanian", "", "Lang1", kCheck | kRadio, ""},

    {"Help1", "&Help", "", "", kSubmenu, ""},
    {"Contents1", "&Contents", "", "Help1", 0, "The contents of the help"},
    {"SearchforHelpOn1", "&Search for Help On...", "", "Help1", 0, "The keyword index of the help"},
    {"HowtoUseHelp1", "&How to Use Help", "", "Help1", 0, "How to use the help window"},
    {"HelpContext1", "Help", "F1", "Help1", kHidden, ""},
    {"About1", "&About...", "", "Help1", kSeparator, ""},
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

struct SpeedButton {
    const char* name;
    const char* text;
    const char* hint;
    const char* handler;
    int group;  // 0: a plain button; 1..3: a button that stays down
    int icon;   // a QStyle standard pixmap, or -1 for the text as the glyph
    bool separatorBefore;
};

// clang-format off
constexpr SpeedButton kSpeedButtons[] = {
    {"NewBtn", "New", "New", "New1Click", 0, QStyle::SP_FileIcon, false},
    {"OpenBtn", "Open", "Open", "Open1Click", 0, QStyle::SP_DirOpenIcon, false},
    {"SaveBtn", "Save", "Save", "Save1Click", 0, QStyle::SP_DialogSaveButton, false},
    {"EditBtn", "Edit", "Edit the scheme (Ctrl+E)", "EditBtnClick", 1, -1, true},
    {"BankBtn", "Bank", "Bank of Blocks (Tab)", "BankBtnClick", 2, -1, false},
    {"RunBtn", "Run", "Check the scheme and set parameters (Ctrl+R)", "RunBtnClick", 1, -1, false},
    {"SolveBtn", "Solve", "Solve", "SolveBtnClick", 0, QStyle::SP_MediaPlay, false},
    {"UndoBtn", "Undo", "Отменить действие", "UndoBtnClick", 0, QStyle::SP_ArrowBack, true},
    {"RedoBtn", "Redo", "Вернуть действие", "RedoBtnClick", 0, QStyle::SP_ArrowForward, false},
    {"CutBtn", "Cut", "Cut", "G05Click", 0, -1, true},
    {"CopyBtn", "Copy", "Copy", "GClick", 0, -1, false},
    {"PasteBtn", "Paste", "Paste", "N10Click", 0, -1, false},
    {"DelBtn", "Del", "Delete the selection", "G03Click", 0, QStyle::SP_TrashIcon, false},
    {"editor", "Editor", "Редактор Схем (Ctrl+A)", "editorClick", 3, -1, true},
    {"SpeedButton1", "Параметры", "Parameters of every block", "SpeedButton1Click", 0, -1, false},
    {"ExitBtn", "Exit", "Exit", "Exit1Click", 0, QStyle::SP_DialogCloseButton, true},
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

struct PopupItem {
    const char* name;
    const char* caption;
    const char* key;  // shown only: the window handles the key
    const char* handler;
};

// clang-format off
constexpr PopupItem kPopupMenu2[] = {
    {"G05", "Вырезать", "Ctrl+X", "G05Click"},
    {"G", "Копировать ", "Ctrl+C", "GClick"},
    {"N10", "Вставить", "Ctrl+V", "N10Click"},
    {"G03", "Удалить", "Del", "G03Click"},
    {"N16", "Записать в файл...", "", "N16Click"},
    {"N17", "Считать из файла...", "", "N17Click"},
    {"N19", "Очистить экран", "Ctrl+Del", "N19Click"},
};
constexpr PopupItem kPopupMenu3[] = {
    {"N11", "Копировать", "", "N11Click"},
    {"N12", "Переместить", "", "N12Click"},
    {"N14", "Отменить", "", "N14Click"},
};
// clang-format on

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

    void connectHandler(QAction* a, const char* handler) {
        const QByteArray name(handler);
        if (form_.metaObject()->indexOfSlot((name + "()").constData()) < 0) return;
        TFormMain* form = &form_;
        QObject::connect(a, &QAction::triggered, form,
                         [form, name] { QMetaObject::invokeMethod(form, name.constData()); });
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
        const QString caption = QString::fromUtf8(item.caption);
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
        a->setStatusTip(QString::fromUtf8(item.hint));
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
        connectHandler(a, (QByteArray(item.name) + "Click").constData());
    }
    for (const auto& item : kAnalysisCommands) {
        const int code = item.code;
        TFormMain* form = &form_;
        QObject::connect(out_.byName.value(item.name), &QAction::triggered, form,
                         [form, code] { form->analysisItemClick(code); });
    }
    for (const auto& item : kOptimMethodItems) {
        const int method = item.method;
        TFormMain* form = &form_;
        QObject::connect(out_.byName.value(item.name), &QAction::triggered, form,
                         [form, method] { form->optimMethodClick(method); });
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
        QAction* a = make(b.name, QString::fromUtf8(b.text));
        if (b.icon >= 0) a->setIcon(form_.style()->standardIcon(static_cast<QStyle::StandardPixmap>(b.icon)));
        else drawGlyphOf(a);
        a->setToolTip(QString::fromUtf8(b.hint));
        a->setStatusTip(QString::fromUtf8(b.hint));
        if (b.group > 0) {
            a->setCheckable(true);
            if (b.group == 1) {
                if (!editOrRun) editOrRun = new QActionGroup(&form_);
                editOrRun->addAction(a);
            }
        }
        bar->addAction(a);
        connectHandler(a, b.handler);
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
        QObject::connect(a, &QAction::triggered, form,
                         [form, code, shift] { form->UpTmpClick(code, shift); });
        form_.addAction(a);
    }
    QAction* enter = make("EditEnter", "EditEnter");
    enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    QObject::connect(enter, &QAction::triggered, form, &TFormMain::EditEnterClick);
    form_.addAction(enter);
    QAction* tab = make("TabTmp", "TabTmp", QKeySequence(Qt::Key_Tab));
    QObject::connect(tab, &QAction::triggered, form, &TFormMain::TabTmpClick);
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
    connectHandler(name, "Help_blClick");
    // Item 2 loads the block's test scheme, items 3 and 4 (the description and its
    // separator) are shown while a test scheme is open in Run.
    out_.popupMenuHelp->addSeparator();
    const struct {
        const char* name;
        const char* caption;
    } items[] = {{"Tests", "&Загрузить тестовую схему"},
                 {"Description1", "&Описание"},
                 {"DescriptionSeparator", nullptr},
                 {"Abouthelp1", "&About Help"}};
    for (const auto& item : items) {
        QAction* a = item.caption ? out_.popupMenuHelp->addAction(QString::fromUtf8(item.caption))
                                  : out_.popupMenuHelp->addSeparator();
        a->setObjectName(item.name);
        out_.byName.insert(item.name, a);
        if (item.caption) connectHandler(a, (QByteArray(item.name) + "Click").constData());
    }
    out_.popupMenu2 = popupMenu("PopupMenu2", kPopupMenu2);
    out_.popupMenu3 = popupMenu("PopupMenu3", kPopupMenu3);
}

template <std::size_t N>
QMenu* Builder::popupMenu(const char* name, const PopupItem (&items)[N]) {
    auto* menu = new QMenu(&form_);
    menu->setObjectName(name);
    for (const PopupItem& item : items) {
        QAction* a =
            make(item.name, QString::fromUtf8(item.caption), QKeySequence(QString::fromUtf8(item.key)));
        // Active only while the popup itself has the keys.
        a->setShortcutContext(Qt::WidgetShortcut);
        a->setShortcutVisibleInContextMenu(true);
        menu->addAction(a);
        connectHandler(a, item.handler);
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

#include "core/shell/translations.h"

#include <array>

namespace velmar {

namespace {

constexpr TextProperty C = TextProperty::Caption;
constexpr TextProperty H = TextProperty::Hint;
constexpr TextProperty T = TextProperty::Text;
constexpr const char* kKeep = nullptr;

// clang-format off
constexpr TranslationRow kRows[] = {
    // The global strings: the viewer's scale and point prompts, the question before
    // exit, the viewer's caption.
    {"", "ScaleX", T, "Scale(X) = X * ", "Масштаб(X) = X * ", "Scara(X) = X * "},
    {"", "ScaleY", T, "Scale(Y) = Y * ", "Масштаб(Y) = Y * ", "Scara(Y) = Y * "},
    {"", "FirstPoint", T, "Select 1-st Point", "Выберите первую точку", "Alegeti primul punct"},
    {"", "SecondPoint", T, "Select 2-nd Point", "Выберите вторую точку", "Alegeti punctul al doilea"},
    {"", "ExitQuestion", T, "Save Scheme Before Exit ?", "Сохранить схему перед выходм?",
     "De salvat schema inainte de iesire?"},
    {"", "GraphCaption", T, "Graph viewer", "Просмотр графиков", "Privirea diagramelor"},

    // The main window's menus, top to bottom.
    {"FormMain", "File1", C, "&File", "&Файл", "&Fisier"},
    {"FormMain", "New1", C, "&New", "&Новый", "&Fisier Nou"},
    {"FormMain", "Open1", C, "&Open...", "&Открыть...", "&Deschidere..."},
    {"FormMain", "Save1", C, "&Save", "&Сохранить", "&Salvare"},
    {"FormMain", "SaveAs1", C, "Save &As...", "Сохранить &как...", "Salvare &ca..."},
    {"FormMain", "PrintPrew1", C, "Print Preview...", "Предварительный просмотр...", "&Previzualizare tipar"},
    {"FormMain", "PrinterSetup1", C, "Printer Setup...", "&Настройка принтера...", "&Setare imprimanta..."},
    {"FormMain", "Print1", C, "&Print...", "&Печать...", "&Tipar..."},
    {"FormMain", "Exit1", C, "E&xit", "В&ыход", "&Iesire"},
    {"FormMain", "Edit1", C, "&Edit", "Р&едактор", "&Redactor"},
    {"FormMain", "Edit2", C, "&Edit", "&Редактор", "&Editare"},
    {"FormMain", "Banck1", C, "&Banck of Blocks", "&Банк Блоков", "&Bancul Elementelor"},
    {"FormMain", "MarkBegin1", C, "MarkBe&gin", "Отметить &Начало", "&MarcareInceput"},
    {"FormMain", "MarkEnd1", C, "MarkEn&d", "Отметить &Конец", "Marcare&Sfirsit"},
    {"FormMain", "Cut1", C, "Dele&te", "&Удалить Блок", "&Stergere"},
    {"FormMain", "Copy1", C, "&Copy", "&Копировать Блок", "&Copiere"},
    {"FormMain", "Paste1", C, "&Move", "&Переместить Блок", "&Mutare"},
    {"FormMain", "Zoom1", C, "&Zoom", "&Лупа", "&Dimensionare"},
    {"FormMain", "ReadBlockFrom1", C, "&Read block from ...", "&Читать блок из ...", "&Citire bloc din ..."},
    {"FormMain", "WriteBlockTo1", C, "&Write Block To...", "&Записать блок в ...", "&Scriere bloc in ..."},
    {"FormMain", "Delete1", C, "Clear &Screen", "&Очистить Экран", "Curatirea &Ecranului"},
    {"FormMain", "Run1", C, "&Run", "&Расчет", "&Calculare"},
    {"FormMain", "Run2", C, "&Run", "&Расчет", "&Calculare"},
    {"FormMain", "Solve1", C, "&Solve", "&Решение", "&Solutie"},
    {"FormMain", "ChangeParameters1", C, "&Change Parameters", "&Изменить Параметры", "&Schimbarea Parametrilor"},
    {"FormMain", "Step1", C, "&Step", "&Шаг", "&Pas"},
    {"FormMain", "Constant1", C, "&Constant", "&Постоянный", "&Constant"},
    {"FormMain", "Var1", C, "&Variable", "П&еременный", "&Variabil"},
    {"FormMain", "GarmonicLinearization1", C, "Garmonic &Linearization", "Гармоническая &Линеаризация",
     "&Liniarizarea Armonica"},
    {"FormMain", "Popov1", C, "&Popov", "Критерий &Попова", "Criteriul &Popov"},
    {"FormMain", "OptimMethods1", C, "Optim. Methods: Poisk 2", "Оптим. Мето&д: Поиск 2", "Metoda Optim.: Poisk 2"},
    {"FormMain", "Poisk21", C, "Poisk &2", "Поиск &2", "Poisk &2"},
    {"FormMain", "Poisk41", C, "Poisk &4", "Поиск &4", "Poisk &4"},
    {"FormMain", "NelderMid1", C, "&Nelder-Mead", "&Нелдер-Мид", "&Nelder-Mead"},
    {"FormMain", "HukJivs1", C, "&Hooke-Jeeves", "&Хук-Дживс", "&Hooke-Jeeves"},
    {"FormMain", "Characteristics1", C, "C&haracteristics", "&Характеристики", "C&haracteristicile"},
    {"FormMain", "Stability1", C, "S&tability", "&Устойчивость", "S&tabilitatea"},
    {"FormMain", "Quality1", C, "&Quality", "&Качество", "&Calitatea"},
    {"FormMain", "Roots1", C, "R&oots", "&Корни", "R&adacinile"},
    {"FormMain", "OptimMaxAw1", C, "Optim &Max A(w)", "Оптим. &Max A(w)", "Optim. &Max A(w)"},
    {"FormMain", "Sintez1", C, "S&ynthesis", "&Синтез", "S&inteza"},
    {"FormMain", "Other1", C, "Oth&er", "&Другие", "&Altele"},
    {"FormMain", "Tools1", C, "&Tools", "&Сервис", "&Instrumente"},
    {"FormMain", "Calcul1", C, "&Calculator", "&Калькулятор", "&Calculator"},
    {"FormMain", "Options1", C, "&Options", "&Настройки", "&Optiuni"},
    {"FormMain", "Time1", C, "&Time", "&Время", "&Timpul"},
    {"FormMain", "CurrentTime1", C, "&Current Time", "&Текущее Время", "Timpul &Curent"},
    {"FormMain", "TimeOfWork1", C, "&Time of  Work", "Время &Работы", "Timpul de &Lucru"},
    {"FormMain", "TimeOfProgress1", C, "Time of &Progress", "Процесс &Расчета", "Timpul &Procesului"},
    {"FormMain", "Path1", C, "&Path...", "&Путь...", "&Calea..."},
    {"FormMain", "SpeedBar1", C, "S&peed Bar", "&Панель Кнопок", "&Bara de Butoane"},
    {"FormMain", "ShowSpeedBar1", C, "&Speed Bar", "&Панель Кнопок", "&Bara de Butoane"},
    {"FormMain", "ShowHints1", C, "&Hints", "Подска&зка", "&Sfaturi"},
    {"FormMain", "Lang1", C, "&Language", "&Язык", "&Limba"},
    {"FormMain", "EnglishLang", C, "&English", "Английский", "&Engleza"},
    {"FormMain", "RussianLang", C, "&Russian", "Русский", "&Rusa"},
    {"FormMain", "RomanianLang", C, "R&omanian", "Румынский", "R&omana"},
    {"FormMain", "Help1", C, "&Help", "&Помощь", "&Ajutor"},
    {"FormMain", "Contents1", C, "&Contents", "&Содержание", "&Cuprins"},
    {"FormMain", "SearchforHelpOn1", C, "&Search for Help On...", "&Поиск Справки...", "&Cautarea Ajutorului..."},
    {"FormMain", "HowtoUseHelp1", C, "&How to Use Help", "&Как Пользоваться Справкой", "Cum se &Foloseste Ajutorul"},
    {"FormMain", "About1", C, "&About...", "&О Программе...", "&Despre..."},

    // The main window's hints: the speed buttons of every set, then those only the
    // Russian set gives (buttons, menu items, the clock).
    {"FormMain", "NewBtn", H, "New", "Новая схема (Ctrl+N)", "Nou"},
    {"FormMain", "OpenBtn", H, "Open", "Открыть схему (Ctrl+O)", "Deschidere"},
    {"FormMain", "SaveBtn", H, "Save", "Сохранить схему (Ctrl+S)", "Salvare"},
    {"FormMain", "CutBtn", H, "Cut", "Вырезать в буфер (Ctrl+X)", "Taiere"},
    {"FormMain", "CopyBtn", H, "Copy", "Копировать в буфер (Ctrl+C)", "Copiere"},
    {"FormMain", "PasteBtn", H, "Paste", "Вставить из буфера (Ctrl+V)", "Lipire"},
    {"FormMain", "ExitBtn", H, "Exit", "Выход (Alt+X)", "Iesire"},
    {"FormMain", "SolveBtn", H, "Solve", "Решение (F6)", "Solutie"},
    {"FormMain", "EditBtn", H, kKeep, "Редактор (Ctrl+E)", kKeep},
    {"FormMain", "BankBtn", H, kKeep, "Банк Блоков (Tab)", kKeep},
    {"FormMain", "RunBtn", H, kKeep, "Проверка ошибок и задание параметров (Ctrl+R)", kKeep},
    {"FormMain", "DelBtn", H, kKeep, "Удалить выделенное (Del)", kKeep},
    {"FormMain", "editor", H, kKeep, "Редактор Схем (Ctrl+A)", kKeep},
    {"FormMain", "SpeedButton1", H, kKeep, "Параметры всех блоков схемы", kKeep},
    {"FormMain", "New1", H, kKeep, "Новая схема", kKeep},
    {"FormMain", "Open1", H, kKeep, "Открыть схему или рисунок", kKeep},
    {"FormMain", "Save1", H, kKeep, "Сохранить схему", kKeep},
    {"FormMain", "SaveAs1", H, kKeep, "Сохранить схему под другим именем", kKeep},
    {"FormMain", "PrintPrew1", H, kKeep, "Предварительный просмотр печати схемы", kKeep},
    {"FormMain", "PrinterSetup1", H, kKeep, "Выбор и настройка принтера", kKeep},
    {"FormMain", "Print1", H, kKeep, "Печать схемы (Ctrl+P)", kKeep},
    {"FormMain", "Exit1", H, kKeep, "Выход из программы (Alt+X)", kKeep},
    {"FormMain", "Edit2", H, kKeep, "Редактирование схемы (Ctrl+E)", kKeep},
    {"FormMain", "Banck1", H, kKeep, "Показать или скрыть Банк Блоков (F2)", kKeep},
    {"FormMain", "N20", H, kKeep, "Редактор Схем (Ctrl+A)", kKeep},
    {"FormMain", "Run2", H, kKeep, "Проверка ошибок и задание параметров (Ctrl+R)", kKeep},
    {"FormMain", "Solve1", H, kKeep, "Решение (F6)", kKeep},
    {"FormMain", "Calcul1", H, kKeep, "Калькулятор (F8)", kKeep},
    {"FormMain", "Time1", H, kKeep, "Часы в строке состояния", kKeep},
    {"FormMain", "Lang1", H, kKeep, "Язык интерфейса", kKeep},
    {"FormMain", "Path1", H, kKeep, "Рабочие папки схем, диаграмм и тестовых схем", kKeep},
    {"FormMain", "CurrentTime1", H, kKeep, "Часы показывают текущее время (Ctrl+T)", kKeep},
    {"FormMain", "TimeOfWork1", H, kKeep, "Часы показывают время работы (Ctrl+T)", kKeep},

    // The print preview; the Romanian set leaves its caption alone.
    {"PrePrnForm", "", C, "Preview", "Предварительный просмотр", kKeep},
    {"PrePrnForm", "PrintBtn", H, "Print", "Печать", "Tipar"},
    {"PrePrnForm", "PrintSetBtn", H, "Printer Setup", "Настройка принтера", "Setarea imprimantei"},
    {"PrePrnForm", "ZoomComboBox", H, "Page Zoom", "Масштаб листа", "Scara pagina"},
    {"PrePrnForm", "ComboBox1", H, "Object Zoom", "Масштаб объекта", "Scara obiect"},
    {"PrePrnForm", "CopyBtn", H, "Copy to Clipboard", "Копировать в буфер обмена", "Copiere in clipboard"},
    {"PrePrnForm", "PasteBtn", H, "Paste from Clipboard", "Вставить из буфера обмена", "Lipire din clipboard"},
    {"PrePrnForm", "ExitBtn", H, "Exit", "Выход", "Iesire"},

    // The graph viewer.
    {"FormGraphPg", "", C, "Graph viewer", "Просмотр графиков", "Privirea diagramelor"},
    {"FormGraphPg", "File1", C, "&File", "&Файл", "&Fisier"},
    {"FormGraphPg", "OpenPNT", C, "&Open...", "&Открыть...", "&Deschidere..."},
    {"FormGraphPg", "SavePNT", C, "&Save", "&Сохранить", "&Salvare"},
    {"FormGraphPg", "SaveAsPNT", C, "Save &As...", "Сохранить &как...", "Salvare &ca..."},
    {"FormGraphPg", "PrintPreview1", C, "Print Pre&view...", "Предварительный &просмотр...", "&Previzualizare tipar"},
    {"FormGraphPg", "PrintSetupPNT", C, "P&rint Setup...", "&Настройка принтера...", "&Setare imprimanta..."},
    {"FormGraphPg", "PrintPNT", C, "&Print...", "&Печать...", "&Tipar..."},
    {"FormGraphPg", "ExitPNT", C, "E&xit", "В&ыход", "&Iesire"},
    {"FormGraphPg", "Comments1", C, "Comme&nts", "&Комментарии", "&Comentarii"},
    {"FormGraphPg", "Create1", C, "C&reate", "&Создать", "&Creare"},
    {"FormGraphPg", "Destroy1", C, "Des&troy", "&Удалить", "&Distrugere"},
    {"FormGraphPg", "Title1", C, "&Title", "&Заголовок", "&Titlu"},
    {"FormGraphPg", "Text1", C, "&Main Comments", "&Основной комментарий", "Comentariu &principal"},
    {"FormGraphPg", "Font1", C, "Fo&nt", "&Шрифт", "&Font"},
    {"FormGraphPg", "ArithmeticSpBtn", T, "&Arithmetic", "&Арифметика", "&Aritmetica"},
    {"FormGraphPg", "MagnifierBtn", T, "&Magnifier", "&Лупа", "&Lupa"},
    {"FormGraphPg", "SpeedButton10", T, "&Points", "&Точки", "&Puncte"},
    {"FormGraphPg", "CommentsSpBtn", T, "&Comments", "&Комментарии", "&Comentarii"},
    {"FormGraphPg", "SpeedButton8", T, "&Delete", "&Удалить", "&Stergere"},
    {"FormGraphPg", "SpeedButton9", T, "&Esc", "&Возврат", "I&esire"},
    {"FormGraphPg", "SolveSpBtn", T, "&Solve", "&Вычислить", "&Calculare"},
    {"FormGraphPg", "CreateSpBtn", T, "C&reate", "&Создать", "&Creare"},
    {"FormGraphPg", "DestroySpBtn", T, "Des&troy", "&Удалить", "&Distrugere"},

    // The common value dialog.
    {"GMenu21Form", "", C, "Input Parameters:", "Введите значения параметров", "Introduceti valoarea parametrilor"},
    {"GMenu21Form", "LabelPar", C, "Parameter", "Параметр", "Parametru"},
    {"GMenu21Form", "LabelValue", C, "Value", "Значение", "Valoare"},
    {"GMenu21Form", "LabelMark", C, "Mark", "Маркер", "Flag"},

    // The method chooser.
    {"MethodForm", "LabelRF", C, "Gear function", "Передаточная функция", "Functia de transfer"},
    {"MethodForm", "CloseBitBtn", T, "&Close", "&Закрыть", "&Inchidere"},

    // The help window.
    {"HelpForm", "", C, "VELMAR Help", "Справка VELMAR", "Ajutor VELMAR"},
    {"HelpForm", "BackBtn", T, "&Back", "&Назад", "&Inapoi"},
    {"HelpForm", "ForwardBtn", T, "&Forward", "&Вперед", "I&nainte"},
    {"HelpForm", "ContentsBtn", T, "&Contents", "&Содержание", "&Cuprins"},
    {"HelpForm", "HelpOnHelpBtn", T, "&How to Use Help", "&Как пользоваться справкой", "Cum se &foloseste ajutorul"},
    {"HelpForm", "ContentsTab", C, "Contents", "Содержание", "Cuprins"},
    {"HelpForm", "IndexTab", C, "Index", "Указатель", "Index"},
    {"HelpForm", "KeywordLabel", C, "&Type the keyword to find:", "&Введите искомое слово:",
     "&Introduceti cuvintul cautat:"},
};
// clang-format on

}  // namespace

const char* TranslationRow::text(Language language) const {
    switch (language) {
        case Language::English: return english;
        case Language::Russian: return russian;
        case Language::Romanian: return romanian;
    }
    return nullptr;
}

std::span<const TranslationRow> translationTable() { return kRows; }

NameSet blockNamesOf(Language language) {
    return language == Language::Romanian ? NameSet::Romanian : NameSet::Russian;
}

std::string_view helpFolderOf(Language language) {
    constexpr std::array<std::string_view, 3> folders = {"en", "ru", "ro"};
    return folders[static_cast<std::size_t>(language)];
}

Localisation::Localisation() : setBy_(std::size(kRows)) {}

std::vector<std::size_t> Localisation::apply(Language language) {
    std::vector<std::size_t> assigned;
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (kRows[i].text(language) == nullptr) continue;
        setBy_[i] = language;
        assigned.push_back(i);
    }
    language_ = language;
    return assigned;
}

const char* Localisation::textOf(std::size_t row) const {
    return setBy_.at(row) ? kRows[row].text(*setBy_[row]) : nullptr;
}

std::optional<std::string_view> Localisation::text(std::string_view window, std::string_view component,
                                                   TextProperty property) const {
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const TranslationRow& r = kRows[i];
        if (r.window == window && r.component == component && r.property == property)
            if (const char* t = textOf(i)) return t;
    }
    return std::nullopt;
}

std::vector<std::size_t> Localisation::rowsInForce(std::string_view window) const {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        if (kRows[i].window == window && setBy_[i]) rows.push_back(i);
    return rows;
}

}  // namespace velmar

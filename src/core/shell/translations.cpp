#include "core/shell/translations.h"

#include <algorithm>
#include <array>

namespace velmar {

namespace {

constexpr TextProperty C = TextProperty::Caption;
constexpr TextProperty H = TextProperty::Hint;
constexpr TextProperty T = TextProperty::Text;
constexpr TextProperty K = TextProperty::Columns;

// clang-format off
constexpr TranslationRow kRows[] = {
    // The global strings: the viewer's scale and point prompts, the question before
    // exit, the viewer's caption, the text of a new comment on a graph.
    {"", "ScaleX", T, "Scale(X) = X * ", "Масштаб(X) = X * ", "Scara(X) = X * "},
    {"", "ScaleY", T, "Scale(Y) = Y * ", "Масштаб(Y) = Y * ", "Scara(Y) = Y * "},
    {"", "FirstPoint", T, "Select 1-st Point", "Выберите первую точку", "Alegeti primul punct"},
    {"", "SecondPoint", T, "Select 2-nd Point", "Выберите вторую точку", "Alegeti punctul al doilea"},
    {"", "ExitQuestion", T, "Save Scheme Before Exit ?", "Сохранить схему перед выходм?",
     "De salvat schema inainte de iesire?"},
    {"", "GraphCaption", T, "Graph viewer", "Просмотр графиков", "Privirea diagramelor"},
    {"", "Comment", T, "Comment %1", "Комментарий %1", "Comentariu %1"},

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
    {"FormMain", "N20", C, "Scheme &Editor", "Редактор схем", "&Editorul schemei"},
    {"FormMain", "N7", C, "Re&draw Screen", "Обновить экран", "&Reimprospatare ecran"},
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
    {"FormMain", "NelderMid1", C, "&Nelder-Mid", "&Нелдер-Мид", "&Nelder-Mead"},
    {"FormMain", "HukJivs1", C, "&Huk-Jivs", "&Хук-Дживс", "&Hooke-Jeeves"},
    {"FormMain", "Characteristics1", C, "C&haracteristics", "&Характеристики", "C&haracteristicile"},
    {"FormMain", "Stability1", C, "S&tability", "&Устойчивость", "S&tabilitatea"},
    {"FormMain", "Quality1", C, "&Quality", "&Качество", "&Calitatea"},
    {"FormMain", "Roots1", C, "R&oots", "&Корни", "R&adacinile"},
    {"FormMain", "OptimMaxAw1", C, "Optim &Max A(w)", "Оптим. &Max A(w)", "Optim. &Max A(w)"},
    {"FormMain", "Sintez1", C, "S&ynthesis", "&Синтез", "S&inteza"},
    {"FormMain", "Other1", C, "Oth&er", "&Другие", "&Altele"},
    {"FormMain", "Tools1", C, "&Tools", "&Сервис", "&Instrumente"},
    {"FormMain", "Calcul1", C, "&Calculator", "&Калькулятор", "&Calculator"},
    {"FormMain", "N23", C, "Automatic &Arrows", "Автоматическое проставление стрелок", "Sageti &automate"},
    {"FormMain", "N24", C, "Element &Names", "Подсказки к элементам", "&Denumirile elementelor"},
    {"FormMain", "N25", C, "Element &Labels", "Пояснение к элементам", "&Explicatiile elementelor"},
    {"FormMain", "N26", C, "Labels and &Text Comments", "Надписи и текстовые комментарии",
     "Inscriptii si comentarii &text"},
    {"FormMain", "N27", C, "Element in the &Centre of the Working Area", "Элемент в центре рабочей области ",
     "Elementul in &centrul zonei de lucru"},
    {"FormMain", "NumLock1", C, "Num Lock: lines cross without a junction", "Num Lock: пересечение линий без соединения",
     "Num Lock: liniile se intersecteaza fara jonctiune"},
    {"FormMain", "ScrollLock1", C, "Scroll Lock: erasing lines", "Scroll Lock: стирание линий",
     "Scroll Lock: stergerea liniilor"},
    // The dock first: its toggle item takes the dock's title when that changes.
    {"FormMain", "LiveParametersDock", C, "Live Parameters", "Параметры на ходу", "Parametri in timpul calculului"},
    {"FormMain", "LiveParameters1", C, "&Live Parameters", "&Параметры на ходу", "&Parametri in timpul calculului"},
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

    // The main window's speed buttons: the text drawn on the button, then its hint.
    {"FormMain", "NewBtn", T, "New", "Новая", "Nou"},
    {"FormMain", "OpenBtn", T, "Open", "Открыть", "Deschidere"},
    {"FormMain", "SaveBtn", T, "Save", "Сохранить", "Salvare"},
    {"FormMain", "EditBtn", T, "Edit", "Правка", "Editare"},
    {"FormMain", "BankBtn", T, "Bank", "Банк", "Banc"},
    {"FormMain", "RunBtn", T, "Run", "Расчет", "Calcul"},
    {"FormMain", "SolveBtn", T, "Solve", "Решение", "Solutie"},
    {"FormMain", "UndoBtn", T, "Undo", "Отменить", "Anulare"},
    {"FormMain", "RedoBtn", T, "Redo", "Вернуть", "Refacere"},
    {"FormMain", "CutBtn", T, "Cut", "Вырезать", "Taiere"},
    {"FormMain", "CopyBtn", T, "Copy", "Копия", "Copiere"},
    {"FormMain", "PasteBtn", T, "Paste", "Вставить", "Lipire"},
    {"FormMain", "DelBtn", T, "Del", "Удалить", "Sterg."},
    {"FormMain", "editor", T, "Editor", "Редактор", "Editor"},
    {"FormMain", "SpeedButton1", T, "Parameters", "Параметры", "Parametri"},
    {"FormMain", "ExitBtn", T, "Exit", "Выход", "Iesire"},
    {"FormMain", "NewBtn", H, "New", "Новая схема (Ctrl+N)", "Nou"},
    {"FormMain", "OpenBtn", H, "Open", "Открыть схему (Ctrl+O)", "Deschidere"},
    {"FormMain", "SaveBtn", H, "Save", "Сохранить схему (Ctrl+S)", "Salvare"},
    {"FormMain", "CutBtn", H, "Cut", "Вырезать в буфер (Ctrl+X)", "Taiere"},
    {"FormMain", "CopyBtn", H, "Copy", "Копировать в буфер (Ctrl+C)", "Copiere"},
    {"FormMain", "PasteBtn", H, "Paste", "Вставить из буфера (Ctrl+V)", "Lipire"},
    {"FormMain", "ExitBtn", H, "Exit", "Выход (Alt+X)", "Iesire"},
    {"FormMain", "SolveBtn", H, "Solve", "Решение (F6)", "Solutie"},
    {"FormMain", "EditBtn", H, "Edit the scheme (Ctrl+E)", "Редактор (Ctrl+E)", "Editarea schemei (Ctrl+E)"},
    {"FormMain", "BankBtn", H, "Bank of Blocks (Tab)", "Банк Блоков (Tab)", "Bancul Elementelor (Tab)"},
    {"FormMain", "RunBtn", H, "Check the scheme and set parameters (Ctrl+R)",
     "Проверка ошибок и задание параметров (Ctrl+R)", "Verificarea schemei si setarea parametrilor (Ctrl+R)"},
    {"FormMain", "UndoBtn", H, "Undo the last change", "Отменить действие", "Anularea ultimei schimbari"},
    {"FormMain", "RedoBtn", H, "Redo the change undone", "Вернуть действие", "Refacerea schimbarii anulate"},
    {"FormMain", "DelBtn", H, "Delete the selection", "Удалить выделенное (Del)", "Stergerea selectiei (Del)"},
    {"FormMain", "editor", H, "Scheme Editor (Ctrl+A)", "Редактор Схем (Ctrl+A)", "Editorul schemei (Ctrl+A)"},
    {"FormMain", "SpeedButton1", H, "Parameters of every block", "Параметры всех блоков схемы",
     "Parametrii tuturor elementelor schemei"},

    // The main window's menu hints, shown in the status line.
    {"FormMain", "New1", H, "New scheme", "Новая схема", "Schema noua"},
    {"FormMain", "Open1", H, "Open a scheme or a picture", "Открыть схему или рисунок", "Deschiderea unei scheme sau imagini"},
    {"FormMain", "Save1", H, "Save the scheme", "Сохранить схему", "Salvarea schemei"},
    {"FormMain", "SaveAs1", H, "Save the scheme under a new name", "Сохранить схему под другим именем",
     "Salvarea schemei cu alt nume"},
    {"FormMain", "PrintPrew1", H, "Preview the printed scheme", "Предварительный просмотр печати схемы",
     "Previzualizarea schemei tiparite"},
    {"FormMain", "PrinterSetup1", H, "Choose and set up the printer", "Выбор и настройка принтера",
     "Alegerea si setarea imprimantei"},
    {"FormMain", "Print1", H, "Print the scheme (Ctrl+P)", "Печать схемы (Ctrl+P)", "Tiparirea schemei (Ctrl+P)"},
    {"FormMain", "Exit1", H, "Leave the program (Alt+X)", "Выход из программы (Alt+X)", "Iesirea din program (Alt+X)"},
    {"FormMain", "Edit2", H, "Edit the scheme (Ctrl+E)", "Редактирование схемы (Ctrl+E)", "Editarea schemei (Ctrl+E)"},
    {"FormMain", "Banck1", H, "Show or hide the Bank of Blocks (F2)", "Показать или скрыть Банк Блоков (F2)",
     "Aratarea sau ascunderea Bancului Elementelor (F2)"},
    {"FormMain", "N20", H, "Scheme Editor: selection with the mouse (Ctrl+A)", "Редактор Схем (Ctrl+A)",
     "Editorul schemei: selectare cu mouse-ul (Ctrl+A)"},
    {"FormMain", "N7", H, "Redraw the scheme (F3)", "Перерисовать схему (F3)", "Redesenarea schemei (F3)"},
    {"FormMain", "MarkBegin1", H, "Mark: its top-left corner at the cursor", "Отметить левый верхний угол блока у курсора",
     "Marcare: coltul stinga sus la cursor"},
    {"FormMain", "MarkEnd1", H, "Mark: its bottom-right corner at the cursor",
     "Отметить правый нижний угол блока у курсора", "Marcare: coltul dreapta jos la cursor"},
    {"FormMain", "Copy1", H, "Copy the marked block to the cursor", "Копировать отмеченный блок к курсору",
     "Copierea blocului marcat la cursor"},
    {"FormMain", "Paste1", H, "Move the marked block to the cursor", "Переместить отмеченный блок к курсору",
     "Mutarea blocului marcat la cursor"},
    {"FormMain", "Cut1", H, "Delete the marked block", "Удалить отмеченный блок", "Stergerea blocului marcat"},
    {"FormMain", "ReadBlockFrom1", H, "Read a block file in at the cursor", "Читать блок из файла у курсора",
     "Citirea unui bloc din fisier la cursor"},
    {"FormMain", "WriteBlockTo1", H, "Write the marked block to a block file", "Записать отмеченный блок в файл",
     "Scrierea blocului marcat in fisier"},
    {"FormMain", "Delete1", H, "Clear the scheme", "Очистить схему", "Curatirea schemei"},
    {"FormMain", "Run2", H, "Check the scheme and enter the Run regime (Ctrl+R)",
     "Проверка ошибок и задание параметров (Ctrl+R)", "Verificarea schemei si trecerea la calcul (Ctrl+R)"},
    {"FormMain", "Solve1", H, "Run the simulation (F6)", "Решение (F6)", "Calcularea schemei (F6)"},
    {"FormMain", "Constant1", H, "Constant step", "Постоянный шаг", "Pas constant"},
    {"FormMain", "Var1", H, "Variable step with an accuracy bound", "Переменный шаг с заданной точностью",
     "Pas variabil cu precizie data"},
    {"FormMain", "Calcul1", H, "Start the calculator (F8)", "Калькулятор (F8)", "Pornirea calculatorului (F8)"},
    {"FormMain", "N27", H, "If the element is hidden by the Bank of Blocks, show it in the centre of the working area when it is chosen",
     "Если элемент не виден из-за Банка блоков, при выборе показывать его в центре рабочей области",
     "Daca elementul este ascuns de Bancul Elementelor, la alegere aratati-l in centrul zonei de lucru"},
    {"FormMain", "NumLock1", H, "Lines drawn across each other cross without a junction",
     "Линии, нарисованные поперек, пересекаются без соединения",
     "Liniile desenate una peste alta se intersecteaza fara jonctiune"},
    {"FormMain", "ScrollLock1", H, "Cursor moves with Shift erase lines", "Движение курсора с Shift стирает линии",
     "Miscarile cursorului cu Shift sterg liniile"},
    {"FormMain", "LiveParameters1", H, "Sliders for the marked parameters: the scheme runs again as they move",
     "Ползунки отмеченных параметров: схема считается заново при их движении",
     "Glisoare pentru parametrii marcati: schema se recalculeaza cind ele se misca"},
    {"FormMain", "Time1", H, "The clock of the status line", "Часы в строке состояния", "Ceasul din bara de stare"},
    {"FormMain", "CurrentTime1", H, "The clock shows the current time (Ctrl+T)", "Часы показывают текущее время (Ctrl+T)",
     "Ceasul arata timpul curent (Ctrl+T)"},
    {"FormMain", "TimeOfWork1", H, "The clock shows the time of work (Ctrl+T)", "Часы показывают время работы (Ctrl+T)",
     "Ceasul arata timpul de lucru (Ctrl+T)"},
    {"FormMain", "TimeOfProgress1", H, "Show the time reached while a run goes on",
     "Показывать достигнутое время во время расчета", "Aratarea timpului atins in timpul calculului"},
    {"FormMain", "Path1", H, "Working folders of schemes, point files and test schemes",
     "Рабочие папки схем, диаграмм и тестовых схем", "Dosarele de lucru ale schemelor, diagramelor si schemelor de test"},
    {"FormMain", "ShowSpeedBar1", H, "Show or hide the speed bar", "Показать или скрыть панель кнопок",
     "Aratarea sau ascunderea barei de butoane"},
    {"FormMain", "ShowHints1", H, "Show the hints of the speed buttons", "Показывать подсказки кнопок",
     "Aratarea sfaturilor butoanelor"},
    {"FormMain", "Lang1", H, "The language of the interface", "Язык интерфейса", "Limba interfetei"},
    {"FormMain", "Contents1", H, "The contents of the help", "Содержание справки", "Cuprinsul ajutorului"},
    {"FormMain", "SearchforHelpOn1", H, "The keyword index of the help", "Указатель справки",
     "Indexul de cuvinte al ajutorului"},
    {"FormMain", "HowtoUseHelp1", H, "How to use the help window", "Как пользоваться окном справки",
     "Cum se foloseste fereastra de ajutor"},

    // The main window's popup menus: the mouse editor's commands, its drag choice and
    // a block's popup.
    {"FormMain", "G05", C, "Cut", "Вырезать", "Taiere"},
    {"FormMain", "G", C, "Copy", "Копировать ", "Copiere"},
    {"FormMain", "N10", C, "Paste", "Вставить", "Lipire"},
    {"FormMain", "G03", C, "Delete", "Удалить", "Stergere"},
    {"FormMain", "N16", C, "Write to File...", "Записать в файл...", "Scriere in fisier..."},
    {"FormMain", "N17", C, "Read from File...", "Считать из файла...", "Citire din fisier..."},
    {"FormMain", "N19", C, "Clear Screen", "Очистить экран", "Curatirea ecranului"},
    {"FormMain", "N11", C, "Copy", "Копировать", "Copiere"},
    {"FormMain", "N12", C, "Move", "Переместить", "Mutare"},
    {"FormMain", "N14", C, "Cancel", "Отменить", "Anulare"},
    {"FormMain", "Tests", C, "&Load the Test Scheme", "&Загрузить тестовую схему", "&Incarcarea schemei de test"},
    {"FormMain", "Description1", C, "&Description", "&Описание", "&Descriere"},
    {"FormMain", "Abouthelp1", C, "&About Help", "&О справке", "&Despre ajutor"},

    // The print preview.
    {"PrePrnForm", "", C, "Preview", "Предварительный просмотр", "Previzualizare"},
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

    // The analysis windows: the rest of the method chooser and its general forms, the
    // roots and square functional calculators, the optimisation window, the value
    // pages, the regulator windows and the progress of a scan. The system's own English
    // spellings stay; formulas read the same in every language.
    {"MethodForm", "", C, "Methods", "Методы", "Metode"},
    {"MethodForm", "RootsRadio", T, "Roots", "Корни", "Radacini"},
    {"MethodForm", "FunctionalsRadio", T, "Functionals", "Функционалы", "Functionale"},
    {"MethodForm", "RegulatorsRadio", T, "Regulators", "Регуляторы", "Regulatoare"},
    {"MethodForm", "SelectBitBtn", T, "&Open", "&Открыть", "&Deschidere"},
    {"MethodForm", "PolynomialHeading", C, "Common polinom representation:", "Общий вид полинома:",
     "Forma generala a polinomului:"},
    {"MethodForm", "FunctionalHeading", C, "Common Minimized Integral representation:",
     "Общий вид минимизируемого интеграла:", "Forma generala a integralei minimizate:"},
    {"FormRooter", "", C, "Polinom roots calculation", "Вычисление корней полинома", "Calculul radacinilor polinomului"},
    {"FormRooter", "OrderLabel", C, "Polinom order", "Порядок полинома", "Ordinul polinomului"},
    {"FormRooter", "CoefficientsLabel", C, "Polinom Coefificents ", "Коэффициенты полинома ", "Coeficientii polinomului "},
    {"FormRooter", "SolveBtn", T, "Solve", "Решить", "Calculare"},
    {"FormRooter", "RootsLabel", C, "Polinom Roots ", "Корни полинома ", "Radacinile polinomului "},
    {"FormIntegral", "", C, "Square Functional Calculation", "Вычисление квадратичного функционала",
     "Calculul functionalei patratice"},
    {"FormIntegral", "CoefficientsRadio", T, "Coeficients", "Коэффициенты", "Coeficienti"},
    {"FormIntegral", "RootsRadio", T, "Roots", "Корни", "Radacini"},
    {"FormIntegral", "CountLabel", C, "Roots number /  Polinom order", "Число корней /  Порядок полинома",
     "Numarul radacinilor /  Ordinul polinomului"},
    {"FormIntegral", "PolinomLabel", C, "Caracteristic Polinom Roots/Coeficients",
     "Корни/коэффициенты характеристического полинома", "Radacinile/coeficientii polinomului caracteristic"},
    {"FormIntegral", "SolveBtn", T, "Solve", "Решить", "Calculare"},
    {"FormIntegral", "FunctionalLabel", C, "Square Functional Coeficients", "Коэффициенты квадратичного функционала",
     "Coeficientii functionalei patratice"},
    {"FormIntegral", "CloseBtn", T, "&Close", "&Закрыть", "&Inchidere"},
    {"OptimizationForm", "", C, "Optimization", "Оптимизация", "Optimizare"},
    {"OptimizationForm", "CriteriaPage", C, "Criteria", "Критерии", "Criterii"},
    {"OptimizationForm", "CriteriaGroup", C, "С&riteria", "&Критерии", "&Criterii"},
    {"OptimizationForm", "Criterion0", T, "Integral(e^2)", "Integral(e^2)", "Integral(e^2)"},
    {"OptimizationForm", "Criterion1", T, "Int(e^2+tau^2*(de/dt)^2)", "Int(e^2+tau^2*(de/dt)^2)",
     "Int(e^2+tau^2*(de/dt)^2)"},
    {"OptimizationForm", "Criterion2", T, "Maximum", "Максимум", "Maximum"},
    {"OptimizationForm", "Criterion3", T, "T1max(c)", "T1max(c)", "T1max(c)"},
    {"OptimizationForm", "Criterion4", T, "Integral(x^2)", "Integral(x^2)", "Integral(x^2)"},
    {"OptimizationForm", "Criterion5", T, "User Criterion", "Критерий пользователя", "Criteriul utilizatorului"},
    {"OptimizationForm", "MethodGroup", C, "&Method", "&Метод", "&Metoda"},
    {"OptimizationForm", "Method0", T, "Poisk &2", "Поиск &2", "Poisk &2"},
    {"OptimizationForm", "Method1", T, "Poisk &4", "Поиск &4", "Poisk &4"},
    {"OptimizationForm", "Method2", T, "&Nelder-Mid", "&Нелдер-Мид", "&Nelder-Mid"},
    {"OptimizationForm", "Method3", T, "&Huk-Jivs", "&Хук-Дживс", "&Huk-Jivs"},
    {"OptimizationForm", "Method4", T, "&Gradient", "&Градиент", "&Gradient"},
    {"OptimizationForm", "Method5", T, "Coordinate &Down", "Покоординатный &спуск", "Coborire pe &coordonate"},
    {"OptimizationForm", "EvaluationsCaption", C, "Evaluations:", "Вычислений:", "Evaluari:"},
    {"OptimizationForm", "ValueCaption", C, "Criterion value:", "Значение критерия:", "Valoarea criteriului:"},
    {"OptimizationForm", "UserCriterionPage", C, "User Criterion", "Критерий пользователя", "Criteriul utilizatorului"},
    {"OptimizationForm", "VarGrid", K, "Var|Parameter", "Перем.|Параметр", "Var.|Parametru"},
    {"OptimizationForm", "OptimizeBtn", T, "&Optimize", "&Оптимизировать", "&Optimizare"},
    {"OptimizationForm", "CancelBtn", T, "&Cancel", "&Отмена", "&Anulare"},
    {"TformSysP", "", C, "System Parameters", "Параметры системы", "Parametrii sistemului"},
    {"TformSysP", "BackBtn", T, "<< Back", "<< Назад", "<< Inapoi"},
    {"TformSysP", "NextBtn", T, "Next >>", "Далее >>", "Inainte >>"},
    {"TformSysP", "CancelBtn", T, "Cancel", "Отмена", "Anulare"},
    {"TiValuesForm", "", C, "Set the number and the values of Ti ", "Задайте кол-во и значения  Тi ",
     "Dati numarul si valorile Ti "},
    {"TiValuesForm", "CountLabel", C, "Set the number of Ti values", "Задайте кол-во значений Тi",
     "Dati numarul valorilor Ti"},
    {"TiValuesForm", "ShowEachCheck", T, "Show the graphs for every value of Ti",
     "Визуализировать графики для каждого значения Тi", "Aratati graficele pentru fiecare valoare Ti"},
    {"TiValuesForm", "BackBtn", T, "<< Back", "<< Назад", "<< Inapoi"},
    {"TiValuesForm", "NextBtn", T, "Next >>", "Далее >>", "Inainte >>"},
    {"TiValuesForm", "CancelBtn", T, "Cancel", "Отмена", "Anulare"},
    {"FormRegMain", "CancelBtn", T, "Cancel", "Отмена", "Anulare"},
    {"Form2", "CloseBtn", T, "&Close", "&Закрыть", "&Inchidere"},
    {"PrgBarForm", "", C, "Progress", "Ход расчета", "Progres"},
    {"DComForm", "", C, "D Composition", "D - разбиение", "D - descompunere"},
    {"DComForm", "LegendPanel", C, "Legend", "Цвета", "Legenda"},
    {"DComForm", "RightRootsLabel", C, "Number of Right roots:", "Число правых корней", "Numarul radacinilor din dreapta:"},
    {"DComForm", "LegendCaption5", C, "5 and more", "5 и более", "5 si mai multe"},
    {"DComForm", "LegendCaption6", C, "Can't determine", "Неопределимо", "Nedeterminabil"},

    // The parameter grid.
    {"GridForm", "", C, "Parameters", "Параметры", "Parametri"},
    {"GridForm", "StringGrid1", K, "Block No.|Name|Parameter|Value", "№ Блока|Название|Параметр|Значение",
     "Nr. bloc|Denumire|Parametru|Valoare"},
    {"GridForm", "MainPage1", C, "&Back to the Program", "&Вернуться в программу", "&Inapoi la program"},
    {"GridForm", "Options1", C, "&Options", "&Опции", "&Optiuni"},
    {"GridForm", "OnTop2", C, "Always on &Top", "Всегда &сверху", "Mereu &deasupra"},
    {"GridForm", "OnTop1", C, "Always on &Top", "Всегда &сверху", "Mereu &deasupra"},
    {"GridForm", "RowHeight1", C, "&Row Height", "Высота &рядов", "Inaltimea &rindurilor"},
    {"GridForm", "Normal1", C, "&Normal", "&Нормальная", "&Normala"},
    {"GridForm", "Large1", C, "&Large", "&Большая", "&Mare"},
    {"GridForm", "PrintGrdF", C, "Print", "Печать", "Tipar"},
    {"GridForm", "PrintGrdF", H, "Print the list", "Печать списка", "Tiparirea listei"},

    // The point list of the graph viewer.
    {"PntGridForm", "", C, "Points", "Точки", "Puncte"},
    {"PntGridForm", "Options1", C, "&Options", "&Опции", "&Optiuni"},
    {"PntGridForm", "OnTop1", C, "Always on &Top", "Всегда &сверху", "Mereu &deasupra"},
    {"PntGridForm", "TopRight1", C, "Top Right", "Вверху справа", "Sus in dreapta"},
    {"PntGridForm", "TopLeft1", C, "Top Left", "Вверху слева", "Sus in stinga"},
    {"PntGridForm", "Normal1", C, "&Normal", "&Нормальная", "&Normala"},
    {"PntGridForm", "Large1", C, "&Large", "&Большая", "&Mare"},
    {"PntGridForm", "GraphWindow1", C, "&Graph Viewer", "&Окно просмотра графиков", "&Privirea diagramelor"},

    // The Path dialog.
    {"PathForm", "", C, "Path", "Путь", "Calea"},
    {"PathForm", "ShmGroup", C, "Schemes", "Схемы", "Scheme"},
    {"PathForm", "PntGroup", C, "Diagrams", "Диаграммы", "Diagrame"},
    {"PathForm", "TestGroup", C, "Test Schemes", "Тестовые схемы", "Scheme de test"},
    {"PathForm", "ShmBrowse", T, "Browse...", "Обзор...", "Rasfoire..."},
    {"PathForm", "PntBrowse", T, "Browse...", "Обзор...", "Rasfoire..."},
    {"PathForm", "TestBrowse", T, "Browse...", "Обзор...", "Rasfoire..."},
    {"PathForm", "ShmBrowse", H, "Browse for folder", "Выбрать папку", "Alegerea dosarului"},
    {"PathForm", "PntBrowse", H, "Browse for folder", "Выбрать папку", "Alegerea dosarului"},
    {"PathForm", "TestBrowse", H, "Browse for folder", "Выбрать папку", "Alegerea dosarului"},
    {"PathForm", "DefaultBtn", T, "&Default", "&По умолчанию", "&Implicit"},
    {"PathForm", "CancelBtn", T, "&Cancel", "&Отмена", "&Anulare"},
    {"DirForm", "", C, "Choose the Working Folder", "Задайте рабочую папку", "Alegeti dosarul de lucru"},

    // The caption editor.
    {"Discrip", "", C, "Enter the Descriptions of the Blocks", "Введите описание блоков",
     "Introduceti descrierea elementelor"},
    {"Discrip", "CheckBox1", T, "Element labels ", "Пояснение к элементам ", "Explicatiile elementelor "},
    {"Discrip", "CheckBox2", T, "Element names", "Название элементов", "Denumirile elementelor"},
    {"Discrip", "FontSizeLabel", C, "Font size", "Размер шрифта", "Marimea fontului"},
    {"Discrip", "NamesGroup", C, "Element names", "Название элементов", "Denumirile elementelor"},
    {"Discrip", "LabelsGroup", C, "Element labels", "Пояснение элементов", "Explicatiile elementelor"},
    {"Discrip", "NamesGroup", H, "On the same side the labels are written, and the names only where there is no label",
     "При одинаковом положении пишутся пояснения и только если их нет пишется названия",
     "Pe aceeasi parte se scriu explicatiile, iar denumirile numai unde nu este explicatie"},
    {"Discrip", "LabelsGroup", H, "On the same side the labels are written, and the names only where there is no label",
     "При одинаковом положении пишутся пояснения и только если их нет пишется названия",
     "Pe aceeasi parte se scriu explicatiile, iar denumirile numai unde nu este explicatie"},
    {"Discrip", "RadioButton1", T, "Caption below", "Подпись снизу", "Inscriptie dedesubt"},
    {"Discrip", "RadioButton2", T, "Caption above", "Подпись сверху", "Inscriptie deasupra"},
    {"Discrip", "RadioButton3", T, "Caption below", "Подпись снизу", "Inscriptie dedesubt"},
    {"Discrip", "RadioButton4", T, "Caption above", "Подпись сверху", "Inscriptie deasupra"},
    {"Discrip", "Note1", C, "To type a blank   press Ctrl+Space", "Чтобы поставить пробел   нажмите Ctrl+Пробел",
     "Pentru un spatiu   apasati Ctrl+Spatiu"},
    {"Discrip", "Note2", C, "Summators and multipliers are blocks, but they cannot be labelled",
     "Сумматоры и блоки перемножения являются блоками, но подписать их нельзя",
     "Sumatoarele si multiplicatoarele sint elemente, dar nu pot fi explicate"},
    {"Discrip", "Note3", C, "Entering the comments in the final version of the project is strongly recommended",
     "Настоятельно рекомендуется вводить комментарии в окончательном варианте проекта",
     "Se recomanda insistent introducerea comentariilor in varianta finala a proiectului"},
    {"Discrip", "BitBtn1", T, "Refresh", "Обновить", "Actualizare"},
    {"Discrip", "BitBtn1", H, "Press this button when you have added new blocks\nto reach their labels\nwithout closing this window",
     "Нажмите эту кнопку если вы добавили новые блоки\nчтобы получить доступ к редактированию\nнезакрывая при этом это окно",
     "Apasati acest buton daca ati adaugat elemente noi\npentru a le putea explica\nfara a inchide aceasta fereastra"},
    {"Discrip", "ApplyBtn", T, "Apply", "Применить", "Aplicare"},
    {"Discrip", "ApplyBtn", H, "Press this button to see\n the changes made without closing this window",
     "Нажмите эту кнопку если вы хотите просмотреть\n сделанные изменения не закрывая это окно",
     "Apasati acest buton pentru a vedea\n schimbarile facute fara a inchide aceasta fereastra"},
    {"Discrip", "ExitBtn", T, "Exit", "Выход", "Iesire"},
    {"Discrip", "ExitBtn", H, "Leave and keep the changes", "Выйти и сохранить изменения",
     "Iesire cu pastrarea schimbarilor"},

    // The two free texts printed with a graph, and the test scheme's description.
    {"FormTopComments", "", C, "Text above the Picture", "Текст над рисунком", "Text deasupra imaginii"},
    {"FormTopComments", "New1", C, "&New", "&Новый", "&Nou"},
    {"FormTopComments", "Font1", C, "Font", "Шрифт", "Font"},
    {"FormTextPad", "", C, "Text under the Picture", "Текст под рисунком", "Text sub imagine"},
    {"FormTextPad", "New1", C, "&New", "&Новый", "&Nou"},
    {"FormTextPad", "Font1", C, "Font", "Шрифт", "Font"},
    {"HintForm", "", C, "Description", "Описание", "Descriere"},

    // The messages of the file commands and the run, matched by any of their texts; %1
    // and %2 stand for the parts the message names (a file, a cell).
    {"Messages", "Error", T, "Error", "Ошибка", "Eroare"},
    {"Messages", "Information", T, "Message", "Сообщение", "Mesaj"},
    {"Messages", "Warning", T, "Warning", "Предупреждение", "Avertisment"},
    {"Messages", "SaveQuestion", T, "The scheme has not been saved. Save it?", "Схема не была сохранена. Сохранить схему?",
     "Schema nu a fost salvata. De salvat schema?"},
    {"Messages", "Saved", T, "Saved.", "Сохранен.", "Salvat."},
    {"Messages", "Created", T, "Created.", "Создан.", "Creat."},
    {"Messages", "Opened", T, "Opened.", "Открыт.", "Deschis."},
    {"Messages", "TestLoaded", T, "Test scheme loaded.", "Тестовая схема загружена.", "Schema de test incarcata."},
    {"Messages", "TestQuestion", T, "  Attention! Loading the test scheme\rloses the present scheme.   Go on?",
     "  Внимание! При загрузке тестовой схемы\rтекущая схема будет утеряна.   Продолжить?",
     "  Atentie! La incarcarea schemei de test\rschema curenta se pierde.   Continuati?"},
    {"Messages", "TestScheme", T, "This is a test scheme: it cannot be changed. To edit it, save it under another name",
     "Это тестовая схема, ее изменять нельзя. Для редактирования запомните ее под другим именем",
     "Aceasta este o schema de test, ea nu poate fi schimbata. Pentru editare salvati-o cu alt nume"},
    {"Messages", "NotFound", T, "File not found !", "Файл не найден !", "Fisierul nu a fost gasit !"},
    {"Messages", "PictureFault", T, "Error opening the file %1. Try again. The file may be damaged.",
     "Ошибка при попытке открыть файл %1. Попробуйте снова. Возможно файл поврежден.",
     "Eroare la deschiderea fisierului %1. Incercati din nou. Poate fisierul este deteriorat."},
    {"Messages", "TryAgain", T, "%1, try again.", "%1, попробуйте снова.", "%1, incercati din nou."},
    {"Messages", "SchemeFault", T, " Attention! A fault in the scheme ", " Внимание! Ошибка в схеме ",
     " Atentie! Eroare in schema "},
    {"Messages", "NoArrow", T, "The line at column %1, row %2 has no arrow", "У линии в столбце %1, строке %2 нет стрелки",
     "Linia din coloana %1, rindul %2 nu are sageata"},
    {"Messages", "LiveOutsideRun", T, "Enter the Run regime (Ctrl+R) to vary the marked parameters.",
     "Войдите в режим расчета (Ctrl+R), чтобы менять отмеченные параметры.",
     "Treceti in regimul de calcul (Ctrl+R) pentru a varia parametrii marcati."},
    {"Messages", "LiveNoneMarked", T, "No parameter is marked: tick \"Mark\" in a block's parameters (Enter on the block).",
     "Ни один параметр не отмечен: поставьте \"Маркер\" в параметрах блока (Enter на блоке).",
     "Niciun parametru nu este marcat: bifati \"Flag\" in parametrii unui element (Enter pe element)."},
    {"Messages", "LiveReady", T, "Move a slider or type a value: the scheme runs again.",
     "Передвиньте ползунок или введите значение: схема считается заново.",
     "Miscati un glisor sau introduceti o valoare: schema se recalculeaza."},
    {"Messages", "LiveWaiting", T, "Waiting until the window's command ends...",
     "Ожидание конца команды окна...", "Asteptarea sfirsitului comenzii ferestrei..."},
    {"Messages", "LiveRunTook", T, "Run %1 took %2 ms.", "Расчет %1 занял %2 мс.", "Calculul %1 a durat %2 ms."},
    {"Messages", "LiveValueTip", T, "The value: typed, or read off the slider",
     "Значение: введенное или снятое с ползунка", "Valoarea: introdusa sau citita de pe glisor"},
    {"Messages", "LiveRangeTip", T, "An end of the slider's range; the value must lie within it",
     "Конец диапазона ползунка; значение должно лежать внутри него",
     "Un capat al domeniului glisorului; valoarea trebuie sa fie in interiorul lui"},
    {"Messages", "BlockNumberTitle", T, "Block No.", "№ Блока", "Nr. bloc"},
    {"Messages", "LabelTitle", T, "Label", "Пояснение", "Explicatie"},
    {"Messages", "BlockNumber", T, "Block No. %1", "Блок №%1", "Blocul nr. %1"},
    {"Messages", "RecommendedSize", T, "6 (recommended)", "6 (рекомендуется)", "6 (recomandat)"},
    {"Messages", "RegimeEdit", T, "Edit", "Правка", "Editare"},
    {"Messages", "RegimeBank", T, "Bank", "Банк", "Banc"},
    {"Messages", "RegimeRun", T, "Run", "Расчет", "Calcul"},
    {"Messages", "RegimeEditor", T, "Editor", "Редактор", "Editor"},
    {"Messages", "StepConstant", T, "Step: Constant", "Шаг: Постоянный", "Pas: Constant"},
    {"Messages", "StepVariable", T, "Step: Variable", "Шаг: Переменный", "Pas: Variabil"},
    {"Messages", "NoCalculator", T, "Calculator not found! Looked for: %1.", "Калькулятор не найден! Искали: %1.",
     "Calculatorul nu a fost gasit! S-au cautat: %1."},
    {"Messages", "CalculatorFailed", T, "Unknown error! No calculator! %1 did not start.",
     "Неизвестная ошибка! Нет калькулятора! %1 не запустился.", "Eroare necunoscuta! Nu este calculator! %1 nu a pornit."},
    {"Messages", "SolveInRun", T, "Solve in Run Regime only !", "Решение только в режиме расчета !",
     "Solutia numai in regimul de calcul !"},

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

// A message text cut at its holes: literal pieces with the number of the hole (1 or 2)
// after each but the last.
struct MessagePattern {
    std::vector<std::string_view> literals;
    std::vector<int> holes;
};

MessagePattern patternOf(std::string_view text) {
    MessagePattern p;
    std::size_t from = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%' || (text[i + 1] != '1' && text[i + 1] != '2')) continue;
        p.literals.push_back(text.substr(from, i - from));
        p.holes.push_back(text[i + 1] - '0');
        from = i + 2;
        ++i;
    }
    p.literals.push_back(text.substr(from));
    return p;
}

// Whether `line` is the pattern's text; args[1] and args[2] get what fills its holes
// (each at least one character).
bool matches(const MessagePattern& p, std::string_view line, std::array<std::string, 3>& args) {
    if (!line.starts_with(p.literals.front())) return false;
    std::size_t at = p.literals.front().size();
    for (std::size_t k = 0; k < p.holes.size(); ++k) {
        const std::string_view next = p.literals[k + 1];
        const bool last = k + 1 == p.holes.size();
        const std::size_t end =
            last ? (line.ends_with(next) && line.size() >= at + 1 + next.size() ? line.size() - next.size()
                                                                                : std::string_view::npos)
                 : line.find(next, at + 1);
        if (end == std::string_view::npos) return false;
        args[static_cast<std::size_t>(p.holes[k])] = std::string(line.substr(at, end - at));
        at = end + next.size();
    }
    return at == line.size();
}

std::string filled(std::string_view text, const std::array<std::string, 3>& args) {
    const MessagePattern p = patternOf(text);
    std::string out(p.literals.front());
    for (std::size_t k = 0; k < p.holes.size(); ++k)
        out += args[static_cast<std::size_t>(p.holes[k])] + std::string(p.literals[k + 1]);
    return out;
}

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

const TranslationRow* translationRow(std::string_view window, std::string_view component,
                                     TextProperty property) {
    for (const TranslationRow& r : kRows)
        if (r.window == window && r.component == component && r.property == property) return &r;
    return nullptr;
}

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

std::string Localisation::say(std::string_view message) const {
    if (std::none_of(setBy_.begin(), setBy_.end(), [](const auto& set) { return set.has_value(); }))
        return std::string(message);
    const auto sayLine = [this](std::string_view line) {
        std::array<std::string, 3> args;
        for (const TranslationRow& row : kRows) {
            if (row.window != kMessages) continue;
            for (const char* text : {row.english, row.russian, row.romanian}) {
                if (text == nullptr || !matches(patternOf(text), line, args)) continue;
                const char* target = row.text(language_);
                return filled(target ? target : text, args);
            }
        }
        return std::string(line);
    };
    std::string out;
    for (std::size_t from = 0;;) {
        const std::size_t end = message.find('\n', from);
        out += sayLine(message.substr(from, end == std::string_view::npos ? end : end - from));
        if (end == std::string_view::npos) return out;
        out += '\n';
        from = end + 1;
    }
}

}  // namespace velmar

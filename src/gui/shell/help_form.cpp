#include "gui/shell/help_form.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace velmar::gui {

namespace {

constexpr int kTargetRole = Qt::UserRole;

std::string readPage(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

QString targetText(const HelpTarget& t) {
    return QString::fromStdString(t.anchor.empty() ? t.page : t.page + "#" + t.anchor);
}

HelpTarget targetOf(const QString& text) {
    const qsizetype hash = text.indexOf('#');
    if (hash < 0) return {text.toStdString(), ""};
    return {text.left(hash).toStdString(), text.mid(hash + 1).toStdString()};
}

QToolButton* toolButton(const char* name, const char* text, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

}  // namespace

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpForm");
    setWindowTitle("VELMAR Help");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    auto* bar = new QHBoxLayout;
    QToolButton* back = toolButton("BackBtn", "&Back", this);
    QToolButton* forward = toolButton("ForwardBtn", "&Forward", this);
    QToolButton* contents = toolButton("ContentsBtn", "&Contents", this);
    QToolButton* helpOnHelp = toolButton("HelpOnHelpBtn", "&How to Use Help", this);
    for (QToolButton* b : {contents, back, forward, helpOnHelp}) bar->addWidget(b);
    bar->addStretch();
    column->addLayout(bar);

    auto* split = new QSplitter(this);
    tabs_ = new QTabWidget(split);
    auto* contentsPage = new QWidget;
    contentsPage->setObjectName("ContentsTab");
    contentsPage->setWindowTitle("Contents");
    auto* contentsColumn = new QVBoxLayout(contentsPage);
    ContentsTree = new QTreeWidget(contentsPage);
    ContentsTree->setObjectName("ContentsTree");
    ContentsTree->setHeaderHidden(true);
    contentsColumn->addWidget(ContentsTree);
    auto* indexPage = new QWidget;
    indexPage->setObjectName("IndexTab");
    indexPage->setWindowTitle("Index");
    auto* indexColumn = new QVBoxLayout(indexPage);
    auto* keywordLabel = new QLabel("&Type the keyword to find:", indexPage);
    keywordLabel->setObjectName("KeywordLabel");
    KeywordEdit = new QLineEdit(indexPage);
    KeywordEdit->setObjectName("KeywordEdit");
    keywordLabel->setBuddy(KeywordEdit);
    KeywordList = new QListWidget(indexPage);
    KeywordList->setObjectName("KeywordList");
    indexColumn->addWidget(keywordLabel);
    indexColumn->addWidget(KeywordEdit);
    indexColumn->addWidget(KeywordList);
    for (QWidget* page : {contentsPage, indexPage}) {
        tabs_->addTab(page, page->windowTitle());
        page->installEventFilter(this);  // a new caption of the page is its tab's
    }
    HelpBrowser = new QTextBrowser(split);
    HelpBrowser->setObjectName("HelpBrowser");
    HelpBrowser->setOpenExternalLinks(true);
    split->addWidget(tabs_);
    split->addWidget(HelpBrowser);
    split->setStretchFactor(1, 3);
    column->addWidget(split, 1);

    connect(back, &QToolButton::clicked, HelpBrowser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, HelpBrowser, &QTextBrowser::forward);
    connect(HelpBrowser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(HelpBrowser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QToolButton::clicked, this, &THelpForm::showContents);
    connect(helpOnHelp, &QToolButton::clicked, this, &THelpForm::showHelpOnHelp);
    connect(ContentsTree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { openTarget(targetOf(item->data(0, kTargetRole).toString())); });
    connect(ContentsTree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { openTarget(targetOf(item->data(0, kTargetRole).toString())); });
    connect(KeywordEdit, &QLineEdit::textEdited, this, &THelpForm::filterKeywords);
    connect(KeywordEdit, &QLineEdit::returnPressed, this, &THelpForm::openKeyword);
    connect(KeywordList, &QListWidget::itemActivated, this, &THelpForm::openKeyword);
    resize(900, 640);
}

bool THelpForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange) {
        auto* page = static_cast<QWidget*>(watched);
        tabs_->setTabText(tabs_->indexOf(page), page->windowTitle());
    }
    return QWidget::eventFilter(watched, event);
}

void THelpForm::setFolder(const QString& folder) {
    if (folder == folder_) return;
    folder_ = folder;
    HelpBrowser->setSearchPaths({folder});
    HelpBrowser->clearHistory();
    ContentsTree->clear();
    index_.clear();
    std::vector<QTreeWidgetItem*> parents;
    for (const HelpPage& p : helpPages()) {
        const QString file = QString::fromUtf8(p.file.data(), static_cast<qsizetype>(p.file.size()));
        const std::string html = readPage(QDir(folder).filePath(file));
        QString title = QString::fromStdString(pageTitle(html));
        if (title.isEmpty()) title = file;
        parents.resize(static_cast<std::size_t>(p.depth));
        auto* item =
            parents.empty() ? new QTreeWidgetItem(ContentsTree) : new QTreeWidgetItem(parents.back());
        item->setText(0, title);
        item->setData(0, kTargetRole, file);
        parents.push_back(item);
        for (HelpKeyword& k : pageKeywords(html, p.file)) index_.push_back(std::move(k));
    }
    ContentsTree->expandAll();
    std::stable_sort(index_.begin(), index_.end(), [](const HelpKeyword& a, const HelpKeyword& b) {
        return QString::fromStdString(a.keyword).compare(QString::fromStdString(b.keyword),
                                                         Qt::CaseInsensitive) < 0;
    });
    filterKeywords(KeywordEdit->text());
}

void THelpForm::openTarget(const HelpTarget& target) {
    QUrl url = QUrl::fromLocalFile(QDir(folder_).filePath(QString::fromStdString(target.page)));
    if (!target.anchor.empty()) url.setFragment(QString::fromStdString(target.anchor));
    HelpBrowser->setSource(url);
    QWidget::show();
    raise();
    activateWindow();
}

QString THelpForm::shownTarget() const {
    const QUrl url = HelpBrowser->source();
    const QString page = QFileInfo(url.toLocalFile()).fileName();
    return url.hasFragment() ? page + "#" + url.fragment() : page;
}

void THelpForm::showTopic(int topic) { openTarget(helpTarget(topic)); }

void THelpForm::showContents() {
    tabs_->setCurrentIndex(0);
    openTarget({std::string(kContentsPage), ""});
}

void THelpForm::showIndex(const QString& keyword) {
    tabs_->setCurrentIndex(1);
    KeywordEdit->setText(keyword);
    filterKeywords(keyword);
    if (HelpBrowser->source().isEmpty()) openTarget({std::string(kContentsPage), ""});
    else QWidget::show();
    KeywordEdit->setFocus();
}

void THelpForm::showHelpOnHelp() { openTarget({std::string(kHelpOnHelpPage), ""}); }

void THelpForm::filterKeywords(const QString& typed) {
    KeywordList->clear();
    for (const HelpKeyword& k : index_) {
        const QString word = QString::fromStdString(k.keyword);
        if (!typed.isEmpty() && !word.contains(typed, Qt::CaseInsensitive)) continue;
        auto* item = new QListWidgetItem(word, KeywordList);
        item->setData(kTargetRole, targetText(k.target));
    }
    if (KeywordList->count() > 0) KeywordList->setCurrentRow(0);
}

void THelpForm::openKeyword() {
    if (QListWidgetItem* item = KeywordList->currentItem())
        openTarget(targetOf(item->data(kTargetRole).toString()));
}

}  // namespace velmar::gui

#include <gtest/gtest.h>

#include "core/scripted_host.h"

using namespace velmar;

namespace {

std::vector<ValueRow> rows(std::initializer_list<std::pair<const char*, const char*>> r) {
    std::vector<ValueRow> out;
    for (auto [label, text] : r) out.push_back({label, text});
    return out;
}

}  // namespace

TEST(ScriptedHost, AnswersSplitAtTheFirstEqualsAndMatchTrimmedLabels) {
    ScriptedHost host;
    EXPECT_FALSE(host.addAnswer("no equals sign"));
    EXPECT_TRUE(host.addAnswer("  T  =1=2"));
    EXPECT_TRUE(host.addAnswer("Delay   always   <0=4"));
    auto r = rows({{"T", "0"}, {"K", "7"}, {"   Delay  ", "1"}});
    r[2].key = "   Delay   always   <0  ";
    ASSERT_TRUE(host.askValues("Caption", r, {}));
    EXPECT_EQ(r[0].text, "1=2");
    EXPECT_EQ(r[1].text, "7");  // unanswered
    EXPECT_EQ(r[2].text, "4");
    EXPECT_EQ(host.dialogs.at(0).caption, "Caption");
    EXPECT_TRUE(host.dialogs[0].confirmed);
}

TEST(ScriptedHost, ReadOnlyRowsAreNotAnswered) {
    ScriptedHost host;
    host.addAnswer("note=5");
    auto r = rows({{"note", ""}});
    r[0].editable = false;
    ASSERT_TRUE(host.askValues("", r, {}));
    EXPECT_EQ(r[0].text, "");
}

TEST(ScriptedHost, ARepeatedIdenticalDialogIsCancelled) {
    ScriptedHost host;
    auto first = rows({{"a", "1"}});
    ASSERT_TRUE(host.askValues("", first, {}));
    auto again = rows({{"a", "1"}});
    EXPECT_FALSE(host.askValues("", again, {}));
    auto changed = rows({{"a", "2"}});
    EXPECT_TRUE(host.askValues("", changed, {}));
    auto otherCaption = rows({{"a", "2"}});
    EXPECT_TRUE(host.askValues("Other", otherCaption, {}));
}

TEST(ScriptedHost, AFailedCheckIsShownAndCancels) {
    ScriptedHost host;
    auto r = rows({{"a", "1"}});
    const RowCheck check = [](const std::vector<ValueRow>& v) { return v[0].text == "1" ? "no ones" : ""; };
    EXPECT_FALSE(host.askValues("", r, check));
    EXPECT_EQ(host.lines, (std::vector<std::string>{"Ошибка: no ones"}));
    EXPECT_FALSE(host.dialogs.at(0).confirmed);
}

TEST(ScriptedHost, RecordsWhatItIsToldAndAnswersQueues) {
    ScriptedHost host;
    std::vector<std::string> echoed;
    host.echo = [&](const std::string& line) { echoed.push_back(line); };
    host.message(Box::Information, "done");
    host.message(Box::Plain, "plain");
    host.statusMessage("Saved.");
    host.report("line");
    EXPECT_EQ(echoed, (std::vector<std::string>{"Сообщение: done", "message: plain", "status: Saved.",
                                                "report: line"}));
    EXPECT_EQ(host.messagesOf(Box::Information), (std::vector<std::string>{"done"}));
    host.keys = {13};
    EXPECT_TRUE(host.keyWaiting());
    EXPECT_EQ(host.readKey(), 13);
    EXPECT_FALSE(host.keyWaiting());
    EXPECT_EQ(host.readKey(), 27);
    host.methodCodes = {MethodCode{3}};
    EXPECT_EQ(host.chooseMethod(MethodList::Roots), MethodCode{3});
    EXPECT_EQ(host.chooseMethod(MethodList::Roots), MethodCode::Leave);
    host.reply = Reply::No;
    EXPECT_EQ(host.ask("Предупреждение", "Сохранить?", false), Reply::No);
}

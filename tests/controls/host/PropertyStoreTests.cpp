#include "controls/ProgressBar.h"
#include "controls/host/PropertyStore.h"
#include "support/TestHostWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> Keys(const PropertyStore& store)
{
    std::vector<std::wstring> keys;
    for (const auto& entry : store.Entries()) {
        keys.push_back(entry.first);
    }
    return keys;
}

TEST(PropertyStore, AMissingKeyOrOneOfAnotherKindReadsAsItsDefault)
{
    const PropertyStore store{{L"Count", std::int32_t{2}}, {L"Text", std::wstring(L"x")}};
    EXPECT_EQ(store.Read<std::int32_t>(L"Count", 0), 2);
    EXPECT_EQ(store.Read<std::int32_t>(L"Text", 7), 7);
    EXPECT_TRUE(store.Read<bool>(L"Count", true));
    EXPECT_EQ(store.Read<std::wstring>(L"Missing", L"d"), L"d");
    EXPECT_EQ(PropertyStore::ItemKey(L"ColumnText", 1), L"ColumnText(1)");
}

TEST(PropertyStore, WritingKeepsTheOrderAndLeavesOutDefaults)
{
    PropertyStore store;
    store.Write<std::int32_t>(L"B", 1, 0);
    store.Write<std::int32_t>(L"A", 0, 0);
    store.Write<std::wstring>(L"C", L"t", L"");
    store.Write<std::int32_t>(L"D", 4, 0);
    store.Write<std::int32_t>(L"B", 0, 0);
    EXPECT_EQ(Keys(store), (std::vector<std::wstring>{L"C", L"D"}));
}

// A component's stored settings survive a round trip: what it reads, it
// writes back, in its own key order, without the defaults.
TEST(PropertyStore, AComponentWritesBackWhatItReadWithoutDefaults)
{
    TestHostWindow host;
    ProgressBar bar(host.Site(), L"ProgressBarVarnook", {0, 0, 200, 20}, 100);
    bar.ReadProperties({{L"Value", std::int32_t{7}}, {L"Scrolling", std::int32_t{1}}, {L"Min", std::int32_t{0}}});
    PropertyStore written;
    bar.WriteProperties(written);
    EXPECT_EQ(Keys(written), (std::vector<std::wstring>{L"Scrolling", L"Value"}));
    EXPECT_EQ(written.Read<std::int32_t>(L"Value", 0), 7);
}

} // namespace

#include "dialog/my_list.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "dialog/scan_settings.h"

namespace mtp {
namespace {

TMyRec Rec(std::u16string name, std::u16string dev = u"dev1") {
    TMyRec r;
    r.FName = std::move(name);
    r.OName = u"o-" + r.FName;
    r.FDate = 43000.5;
    r.SDate = u"2017/09/23:12:00:00.000";
    r.Size = 1234;
    r.DevID = std::move(dev);
    r.Extension = u"fit";
    return r;
}

std::vector<std::u16string> Names(const TMyList& list) {
    std::vector<std::u16string> out;
    for (int32_t i = 0; i < list.Count(); ++i)
        out.push_back(list.GetItem(i).FName + u"@" + list.GetItem(i).DevID);
    return out;
}

class MyList : public ::testing::Test {
protected:
    void TearDown() override { NoDoublettes = true; }
    TMyList list;
};

TEST_F(MyList, KeepsRecordsInScanOrderAsIndependentCopies) {
    NoDoublettes = true;
    TMyRec first = Rec(u"B.fit");
    list.Add(first);
    list.Add(Rec(u"A.fit"));
    first.FName = u"changed";
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetItem(0), Rec(u"B.fit"));
    TMyRec copy = list.GetItem(1);
    copy.Size = 9;
    EXPECT_EQ(list.GetItem(1).Size, 1234);
}

TEST_F(MyList, DuplicateNamesFollowTheSettingAtEachAdd) {
    struct Case {
        const char* what;
        std::vector<std::pair<bool, TMyRec>> adds; // NoDoublettes at the add, record
        std::vector<std::u16string> kept;
    } cases[] = {
        {"on: the first of two devices wins",
         {{true, Rec(u"A.fit", u"d1")}, {true, Rec(u"A.fit", u"d2")}},
         {u"A.fit@d1"}},
        {"off: both are listed",
         {{false, Rec(u"A.fit", u"d1")}, {false, Rec(u"A.fit", u"d2")}},
         {u"A.fit@d1", u"A.fit@d2"}},
        {"on: case counts",
         {{true, Rec(u"a.fit")}, {true, Rec(u"A.FIT")}},
         {u"a.fit@dev1", u"A.FIT@dev1"}},
        {"on: blanks count",
         {{true, Rec(u"A.fit")}, {true, Rec(u"A.fit ")}, {true, Rec(u" A.fit")}},
         {u"A.fit@dev1", u"A.fit @dev1", u" A.fit@dev1"}},
        {"on: names added while it was off are still seen",
         {{false, Rec(u"A.fit", u"d1")}, {true, Rec(u"A.fit", u"d2")}},
         {u"A.fit@d1"}},
        {"off then on: duplicates already listed stay, a third is refused",
         {{false, Rec(u"A.fit", u"d1")},
          {false, Rec(u"A.fit", u"d2")},
          {true, Rec(u"A.fit", u"d3")}},
         {u"A.fit@d1", u"A.fit@d2"}},
        {"on then off: a second copy is allowed again",
         {{true, Rec(u"A.fit", u"d1")}, {false, Rec(u"A.fit", u"d2")}},
         {u"A.fit@d1", u"A.fit@d2"}},
        {"on: an empty name is a name like any other",
         {{true, Rec(u"")}, {true, Rec(u"")}},
         {u"@dev1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TMyList l;
        for (const auto& [setting, rec] : c.adds) {
            NoDoublettes = setting;
            l.Add(rec);
        }
        EXPECT_EQ(Names(l), c.kept);
    }
}

TEST_F(MyList, ClearForgetsRecordsAndTheirNames) {
    NoDoublettes = true;
    list.Add(Rec(u"A.fit"));
    list.Add(Rec(u"B.fit"));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    list.Add(Rec(u"A.fit"));
    EXPECT_EQ(Names(list), std::vector<std::u16string>{u"A.fit@dev1"});
}

TEST_F(MyList, IndexOutsideTheListRaisesAnErrorNamingIt) {
    list.Add(Rec(u"A.fit"));
    for (int32_t index : {-1, 1, 1000}) {
        try {
            list.GetItem(index);
            ADD_FAILURE() << index;
        } catch (const Error& e) {
            EXPECT_EQ(e.Text(), FormatD(u"List index out of bounds (%d)", index));
        }
    }
}

} // namespace
} // namespace mtp

// Navigation: Descend along the first-child chain, FindNext, Locate, Leave, LeaveAll.
#include <gtest/gtest.h>

#include "common/xml/xml_doc.h"

namespace {
const char* kUpdater = "<Updater><Application><Version>1.0</Version></Application></Updater>";
}

TEST(XmlNavigation, DescendFollowsTheFirstChildChain) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc(kUpdater));
    EXPECT_EQ(doc.NodeType(), 0);
    ASSERT_TRUE(doc.Descend("Version"));
    EXPECT_EQ(doc.GetText(), "1.0");
    EXPECT_EQ(doc.TagName(doc.CurrentPos()), "Version");
    EXPECT_EQ(doc.TagName(doc.ParentPos()), "Application");
    EXPECT_EQ(doc.NodeType(), 1);
}

TEST(XmlNavigation, DescendToTheRootNameLeavesNothingCurrent) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc("<t>text</t>"));
    ASSERT_TRUE(doc.Descend("t"));
    EXPECT_EQ(doc.GetText(), "");
    EXPECT_TRUE(doc.LeaveAll());
    EXPECT_EQ(doc.GetText(), "");
    ASSERT_TRUE(doc.FindSibling("t"));
    EXPECT_EQ(doc.GetText(), "text");
}

TEST(XmlNavigation, TheRootsOwnNameSucceedsAndRestartsAtItsChildren) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc(kUpdater));
    ASSERT_TRUE(doc.Descend("Updater"));
    EXPECT_EQ(doc.CurrentPos(), 0);
    EXPECT_EQ(doc.ParentPos(), 0);
    EXPECT_EQ(doc.ChildPos(), 1);
    ASSERT_TRUE(doc.Descend("Application"));
    EXPECT_EQ(doc.TagName(doc.CurrentPos()), "Application");
}

TEST(XmlNavigation, AFailedDescendStopsDownTheChainAndLeaveAllComesBackToTheRoot) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc(kUpdater));
    EXPECT_FALSE(doc.Descend("Nowhere"));
    EXPECT_EQ(doc.TagName(doc.ParentPos()), "Version");
    EXPECT_EQ(doc.CurrentPos(), 0);
    EXPECT_EQ(doc.GetText(), "");
    EXPECT_TRUE(doc.LeaveAll());
    EXPECT_EQ(doc.TagName(doc.CurrentPos()), "Updater");
    EXPECT_EQ(doc.ParentPos(), 0);
    // From the root as current element a new search starts among its children.
    ASSERT_TRUE(doc.Descend("Version"));
    EXPECT_EQ(doc.GetText(), "1.0");
}

TEST(XmlNavigation, DescendSearchesOnlyFirstChildrenBelowTheFirstLevel) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc("<r><a><x/></a><b><y/></b></r>"));
    // y sits under the second child: the chain r -> a -> x never reaches it.
    EXPECT_FALSE(doc.Descend("y"));
    doc.ResetPos();
    ASSERT_TRUE(doc.Descend("b"));
    ASSERT_TRUE(doc.Descend("y"));
}

TEST(XmlNavigation, FindNextStepsThroughFollowingSiblingsOfTheName) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc("<r><i n='1'/><j/><i n='2'/><i n='3'/></r>"));
    ASSERT_TRUE(doc.Descend("i"));
    EXPECT_EQ(doc.GetAttr("n"), "1");
    ASSERT_TRUE(doc.FindNext("i"));
    EXPECT_EQ(doc.GetAttr("n"), "2");
    ASSERT_TRUE(doc.FindNext("i"));
    EXPECT_EQ(doc.GetAttr("n"), "3");
    int at = doc.CurrentPos();
    EXPECT_FALSE(doc.FindNext("i"));
    EXPECT_EQ(doc.CurrentPos(), at);  // nothing changes on failure
    EXPECT_TRUE(doc.Leave());
    EXPECT_EQ(doc.TagName(doc.CurrentPos()), "r");
    EXPECT_FALSE(doc.Leave());
}

TEST(XmlNavigation, LocateStopsAtTheFirstMatchingAttribute) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc(
        "<StockInfo><Stock StockId='000001' Name='a'/><Stock StockId='600000' Name='b'/>"
        "<Stock StockId='600000' Name='c'/></StockInfo>"));
    ASSERT_TRUE(doc.Locate("Stock", "StockId", "600000"));
    EXPECT_EQ(doc.GetAttr("Name"), "b");
    doc.LeaveAll();
    EXPECT_FALSE(doc.Locate("Stock", "StockId", "999999"));
}

TEST(XmlNavigation, SearchNamesMatchUpToSeparatorCharacters) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc("<r><item/><it/></r>"));
    EXPECT_TRUE(doc.Descend("it"));
    EXPECT_EQ(doc.CurrentPos(), 3);
    doc.ResetPos();
    EXPECT_TRUE(doc.Descend("item[1]"));
    EXPECT_EQ(doc.CurrentPos(), 2);
    doc.ResetPos();
    EXPECT_TRUE(doc.Descend("item attr=x"));
    doc.ResetPos();
    EXPECT_FALSE(doc.Descend("ite"));
    doc.ResetPos();
    EXPECT_FALSE(doc.Descend("itemx"));
    // Case matters unless the document asks otherwise.
    doc.ResetPos();
    EXPECT_FALSE(doc.Descend("ITEM"));
    doc.SetDocFlags(doc.DocFlags() | kDocIgnoreCase);
    doc.ResetPos();
    EXPECT_TRUE(doc.Descend("ITEM"));
}

TEST(XmlNavigation, PrimitiveMovesFollowTheirRules) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc("<r><a><x/><y/></a><b/></r>"));
    EXPECT_FALSE(doc.Enter());  // nothing current
    ASSERT_TRUE(doc.FindChild("a"));
    EXPECT_EQ(doc.TagName(doc.CurrentPos()), "r");
    EXPECT_EQ(doc.TagName(doc.ChildPos()), "a");
    ASSERT_TRUE(doc.FindChild("b"));  // continues after the child position
    EXPECT_EQ(doc.TagName(doc.ChildPos()), "b");
    EXPECT_FALSE(doc.FindChild("a"));
    ASSERT_TRUE(doc.Enter());
    EXPECT_EQ(doc.TagName(doc.CurrentPos()), "b");
    ASSERT_TRUE(doc.Leave());
    EXPECT_EQ(doc.TagName(doc.ChildPos()), "b");
    EXPECT_EQ(doc.TagName(doc.CurrentPos()), "r");
    EXPECT_FALSE(doc.FindSibling({}));  // the root has no sibling
    EXPECT_FALSE(doc.FindChild({}));    // b, the child position, is the last child
    doc.ResetPos();
    ASSERT_TRUE(doc.FindChild({}));  // an empty name takes any element
    EXPECT_EQ(doc.TagName(doc.ChildPos()), "a");
}

TEST(XmlNavigation, IllFormedDocumentsStayNavigable) {
    CXmlDoc doc;
    EXPECT_FALSE(doc.SetDoc("<a><b>x</a>"));
    ASSERT_TRUE(doc.Descend("b"));
    EXPECT_EQ(doc.GetText(), "");  // b is empty: x belongs to a
    EXPECT_TRUE(doc.Leave());
    EXPECT_EQ(doc.GetText(), "");  // a has a child element
}

TEST(XmlNavigation, EmptyDocumentFindsNothing) {
    CXmlDoc doc;
    EXPECT_FALSE(doc.Descend("a"));
    EXPECT_FALSE(doc.FindNext("a"));
    EXPECT_FALSE(doc.Locate("a", "b", ""));
    EXPECT_TRUE(doc.LeaveAll());
    EXPECT_EQ(doc.GetAttr("a"), "");
    doc.SetDoc("no markup");
    EXPECT_FALSE(doc.Descend("a"));
}

TEST(XmlNavigation, LeaveKeepsTheElementComeFromAsChildPosition) {
    CXmlDoc doc;
    ASSERT_TRUE(doc.SetDoc("<r><a>1</a><b>2</b></r>"));
    ASSERT_TRUE(doc.Descend("b"));
    ASSERT_TRUE(doc.LeaveAll());
    // The next child search goes on after b, so a is not found again from here.
    EXPECT_FALSE(doc.Descend("a"));
    doc.ResetPos();
    ASSERT_TRUE(doc.Descend("a"));
    EXPECT_EQ(doc.GetText(), "1");
    ASSERT_TRUE(doc.LeaveAll());
    ASSERT_TRUE(doc.Descend("b"));  // b follows a
    EXPECT_EQ(doc.GetText(), "2");
}

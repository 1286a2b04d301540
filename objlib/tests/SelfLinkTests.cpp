// Memo links whose targets are already open above them stay closed, so self links stay
// cheap. (Device and pipe targets are fed by the hostile-input loop.)
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "LinkMemoSupport.h"

TEST(SelfLinks, SixtyFourOpenSelfLinksReadTheMemoOnceAndKeepWhatTheyStore) {
  const std::string self = WriteMemo("self.kvm", "");
  WriteMemo("self.kvm", OpenLinksRun(std::vector<std::string>(64, self)));
  const int tall = 3 * std::unique_ptr<KVObjLink>(LinkTo(self))->MinSize().cy;
  KVDocText doc;
  KVFile file;
  file.Attach(self.c_str());
  ASSERT_EQ(1, doc.Load(&file));
  DrawWhole(doc);
  ASSERT_LE(0, doc.Save(nullptr, &file));
  KVDocText reread;
  ASSERT_EQ(1, reread.Load(&file));
  ASSERT_EQ(64u, LinksOf(reread).size());
  for (KVObjLink* link : LinksOf(reread)) {
    EXPECT_EQ(nullptr, link->m_pChild);  // not read again inside itself
    EXPECT_TRUE(link->m_nAttr & LA_OPEN);
    EXPECT_EQ(tall, link->cy);
  }
  LinksOf(reread)[0]->Close();
  EXPECT_FALSE(LinksOf(reread)[0]->m_nAttr & LA_OPEN);

  // Opened from another memo it is read once more, its self links closed inside it.
  KVDocText top;
  ASSERT_EQ(1, LoadFile(top, WriteMemo("outer.kvm", MemoLinkingTo(self))));
  ASSERT_NE(nullptr, ChildText(FirstLink(top)));
  for (KVObjLink* link : LinksOf(*ChildText(FirstLink(top)))) EXPECT_EQ(nullptr, link->m_pChild);
}

// a and b link to each other, the way back spelt otherwise; b also to c, c to d.
TEST(SelfLinks, AMemoAboveByAnySpellingStaysClosedOthersOpenTwoLevelsDeep) {
  const std::string folder = TestFolder();
  CreateDirectoryA((folder + "sub").c_str(), nullptr);
  std::string aOtherwise = folder + "sub\\..\\A.KVM";
  for (char& c : aOtherwise) c = c == '\\' ? '/' : c;
  WriteMemo("c.kvm", MemoLinkingTo(WriteMemo("d.kvm", "d")));
  WriteMemo("a.kvm", "");
  WriteMemo("b.kvm", OpenLinksRun({aOtherwise, folder + "c.kvm"}));
  KVDocText top;
  ASSERT_EQ(1, LoadFile(top, WriteMemo("a.kvm", MemoLinkingTo(folder + "b.kvm"))));
  KVDocText* b = ChildText(FirstLink(top));
  ASSERT_TRUE(b && LinksOf(*b).size() == 2);
  EXPECT_EQ(nullptr, LinksOf(*b)[0]->m_pChild);  // back to a
  KVDocText* c = ChildText(LinksOf(*b)[1]);
  ASSERT_NE(nullptr, c);
  EXPECT_EQ(nullptr, FirstLink(*c)->m_pChild);  // d would be a third level
}

// Finding and replacing in a text box: matching across objects, case folding, both
// directions, caret placement after a replacement, and undo.
#include <gtest/gtest.h>

#include <string>

#include "KVFont.h"
#include "KVObjTBox.h"
#include "SjisText.h"
#include "TestSupport.h"

namespace {

const WORD kLinkCode = 0xFF31;  // any non-character object behaves as a link does here

// A box filled from text in which '|' stands for a non-character object.
class Box : public KVObjTBox {
 public:
  using KVObjTBox::MatchString;

  explicit Box(const std::string& text) {
    std::string part;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '|') {
        // A double-byte character is copied whole: its trail byte may be '|'.
        if (KVIsLeadByte(text[i])) part += text[i++];
        part += text[i];
        continue;
      }
      AppendText(part);
      Append(LinkNode());
    }
    AppendText(part);
    ClearUndo();
    SetCurPos(m_list.pHead);
  }

  // Shift-JIS bytes of the content, '|' for a non-character object, '\n' for a line break.
  std::string Text(LIST* from = nullptr, LIST* to = nullptr) const {
    std::string text;
    for (LIST* n = from ? from : m_list.pHead; n != (to ? to : m_list.pTail); n = n->pNext) {
      unsigned code = n->pObj->m_wCode;
      if (!KVIsCharCode(code)) {
        text += '|';
        continue;
      }
      if (code > 0xFF) text += static_cast<char>(code >> 8);
      text += static_cast<char>(code & 0xFF);
    }
    return text;
  }
  std::string Selected() const { return Text(m_pSelTop, m_pSelEnd); }
  int Index(const LIST* node) const {
    int index = 0;
    for (LIST* n = m_list.pHead; n != node; n = n->pNext) ++index;
    return index;
  }
  LIST* At(int index) const {
    LIST* node = m_list.pHead;
    while (index--) node = node->pNext;
    return node;
  }
  int Caret() const { return Index(m_pCurPos); }
  int SelTop() const { return Index(m_pSelTop); }
  int SelEnd() const { return Index(m_pSelEnd); }

 private:
  void Append(LIST* chain) { Insert(m_list.pTail, chain, true); }
  void AppendText(std::string& part) {
    if (LIST* run = StrToList(part.c_str(), 0, &g_DefaultFont)) Append(run);
    part.clear();
  }
  static LIST* LinkNode() {
    auto* link = new KVObject();
    link->m_wCode = kLinkCode;
    return KVNewNode(link);
  }
};

char* Str(const char* text) { return const_cast<char*>(text); }

}  // namespace

TEST(TBoxFind, RepeatedForwardSearchWalksThroughTheHitsThenFails) {
  Box box("xabcabc");
  ASSERT_EQ(1, box.FindString(1, 1, Str("abc"), box.m_list.pHead));
  EXPECT_EQ(1, box.SelTop());
  EXPECT_EQ(4, box.SelEnd());
  EXPECT_EQ(4, box.Caret());
  ASSERT_EQ(1, box.FindString(1, 1, Str("abc"), box.m_pCurPos));
  EXPECT_EQ(4, box.SelTop());
  EXPECT_EQ(7, box.SelEnd());
  EXPECT_EQ(box.m_list.pTail, box.m_pCurPos);
  // At the end: no hit, and caret and selection stay where they are.
  EXPECT_EQ(0, box.FindString(1, 1, Str("abc"), box.m_pCurPos));
  EXPECT_EQ(4, box.SelTop());
  EXPECT_EQ(7, box.SelEnd());
  EXPECT_EQ(7, box.Caret());
}

TEST(TBoxFind, ForwardSearchFromTheTopOfASelectedHitSkipsIt) {
  Box box("abcabc");
  box.m_pCurPos = box.m_pSelTop = box.At(0);
  box.m_pSelEnd = box.At(3);
  ASSERT_EQ(1, box.FindString(1, 1, Str("abc"), box.m_pCurPos));
  EXPECT_EQ(3, box.SelTop());
  // With nothing selected the text at the caret itself is a hit.
  box.SetCurPos(box.At(0));
  ASSERT_EQ(1, box.FindString(1, 1, Str("abc"), box.m_pCurPos));
  EXPECT_EQ(0, box.SelTop());
  // A null start means the beginning; an overlapping hit starts one node on.
  Box overlap("aaa");
  ASSERT_EQ(1, overlap.FindString(1, 1, Str("aa"), nullptr));
  EXPECT_EQ(0, overlap.SelTop());
  ASSERT_EQ(1, overlap.FindString(1, 1, Str("aa"), overlap.m_pSelTop));
  EXPECT_EQ(1, overlap.SelTop());
  EXPECT_EQ(3, overlap.SelEnd());
}

TEST(TBoxFind, RepeatedBackwardSearchWalksBackThenFails) {
  Box box("abcxabc");
  ASSERT_EQ(1, box.FindString(0, 1, Str("abc"), nullptr));
  EXPECT_EQ(4, box.SelTop());
  EXPECT_EQ(7, box.SelEnd());
  EXPECT_EQ(4, box.Caret());
  ASSERT_EQ(1, box.FindString(0, 1, Str("abc"), box.m_pCurPos));
  EXPECT_EQ(0, box.SelTop());
  EXPECT_EQ(3, box.SelEnd());
  EXPECT_EQ(0, box.Caret());
  EXPECT_EQ(0, box.FindString(0, 1, Str("abc"), box.m_pCurPos));
  EXPECT_EQ(0, box.SelTop());
  EXPECT_EQ(3, box.SelEnd());
  // The match has to end just before the start, so "ab" before a caret on c is a hit.
  EXPECT_EQ(1, box.FindString(0, 1, Str("ab"), box.At(2)));
  EXPECT_EQ(0, box.SelTop());
  EXPECT_EQ(0, box.FindString(0, 1, Str("abc"), box.At(2)));
}

TEST(TBoxFind, CaseFoldsOnlySingleByteLetters) {
  Box box("xabc");
  EXPECT_EQ(1, box.FindString(1, 0, Str("ABC"), nullptr));
  EXPECT_EQ(0, box.FindString(1, 1, Str("ABC"), nullptr));
  EXPECT_EQ(1, box.FindString(0, 0, Str("aBc"), nullptr));
  EXPECT_EQ(0, box.FindString(0, 1, Str("aBc"), nullptr));
  // Neighbours of the letter ranges, which a bit mask would fold too.
  Box symbols("`{");
  EXPECT_EQ(0, symbols.FindString(1, 0, Str("@["), nullptr));
  // Full-width letters never fold, and a trail byte that looks like a letter is no letter.
  Box wide("ａヂ");
  EXPECT_EQ(0, wide.FindString(1, 0, Str("Ａ"), nullptr));
  EXPECT_EQ(0, wide.FindString(1, 0, Str("ア"), nullptr));
  EXPECT_EQ(0, wide.FindString(0, 0, Str("ア"), nullptr));
  EXPECT_EQ(1, wide.FindString(1, 0, Str("ヂ"), nullptr));
  EXPECT_EQ(1, wide.SelTop());
}

TEST(TBoxFind, ObjectsBetweenCharactersAreMatchedAcrossAndSelected) {
  Box box("wxy|z");
  ASSERT_EQ(1, box.FindString(1, 1, Str("xyz"), nullptr));
  EXPECT_EQ("xy|z", box.Selected());
  ASSERT_EQ(1, box.FindString(0, 1, Str("xyz"), nullptr));
  EXPECT_EQ("xy|z", box.Selected());
  // A pattern running into the end marker after an object fails instead of running off.
  Box cut("xy|");
  EXPECT_EQ(0, cut.FindString(1, 1, Str("xyz"), nullptr));
  EXPECT_EQ(0, cut.FindString(0, 1, Str("wxy"), nullptr));
  // Objects before a hit are passed over forwards; backwards the hit ends before `from`.
  Box lead("|ab|");
  ASSERT_EQ(1, lead.FindString(1, 1, Str("ab"), nullptr));
  EXPECT_EQ("|ab", lead.Selected());
  ASSERT_EQ(1, lead.FindString(0, 1, Str("ab"), nullptr));
  EXPECT_EQ("ab|", lead.Selected());
}

TEST(TBoxFind, LineBreakInTheSearchTextMatchesALineBreak) {
  Box box("one\r\ntwo");
  ASSERT_EQ("one\ntwo", box.Text());
  ASSERT_EQ(1, box.FindString(1, 1, Str("e\r\nt"), nullptr));
  EXPECT_EQ("e\nt", box.Selected());
  ASSERT_EQ(1, box.FindString(0, 1, Str("\r\n"), nullptr));
  EXPECT_EQ(3, box.SelTop());
}

TEST(TBoxFind, EmptySearchTextFindsNothingAndTouchesNothing) {
  Box box("abc");
  box.m_pSelTop = box.At(0);
  box.m_pSelEnd = box.m_pCurPos = box.At(1);
  for (const char* text : {"", "\n", "\x01"}) {  // what converts to no objects at all
    EXPECT_EQ(0, box.FindString(1, 0, Str(text), nullptr));
    EXPECT_EQ(0, box.FindString(0, 0, Str(text), nullptr));
    EXPECT_EQ(0, box.ReplaceString(1, 0, Str(text), Str("x"), nullptr));
  }
  EXPECT_EQ(0, box.SelTop());
  EXPECT_EQ(1, box.SelEnd());
  EXPECT_EQ(1, box.Caret());
  EXPECT_EQ("abc", box.Text());
  EXPECT_FALSE(box.CanUndo());
}

TEST(TBoxFind, MatchStringAnswersTheFarEndOfTheMatch) {
  Box box("|abc|");
  LIST* pattern = StrToList("abc", 0, &g_DefaultFont);
  LIST* last = pattern->pNext->pNext;
  EXPECT_EQ(box.At(3), box.MatchString(1, 1, box.At(0), pattern));
  EXPECT_EQ(box.At(1), box.MatchString(0, 1, box.At(4), last));
  EXPECT_EQ(nullptr, box.MatchString(1, 1, box.At(2), pattern));
  EXPECT_EQ(nullptr, box.MatchString(1, 1, box.m_list.pTail, pattern));
  KVFreeChain(pattern);
}

TEST(TBoxReplace, ForwardReplacementIsNotFoundAgain) {
  Box box("abcabc");
  ASSERT_EQ(1, box.ReplaceString(1, 1, Str("abc"), Str("xabcx"), box.m_pCurPos));
  EXPECT_EQ("xabcxabc", box.Text());
  EXPECT_EQ(5, box.Caret());
  EXPECT_FALSE(box.GetSel(nullptr, nullptr));
  ASSERT_EQ(1, box.ReplaceString(1, 1, Str("abc"), Str("xabcx"), box.m_pCurPos));
  EXPECT_EQ("xabcxxabcx", box.Text());
  EXPECT_EQ(0, box.ReplaceString(1, 1, Str("abc"), Str("xabcx"), box.m_pCurPos));
  EXPECT_EQ("xabcxxabcx", box.Text());
}

TEST(TBoxReplace, BackwardReplacementIsNotFoundAgain) {
  Box box("abcabc");
  ASSERT_EQ(1, box.ReplaceString(0, 1, Str("abc"), Str("xabcx"), nullptr));
  EXPECT_EQ("abcxabcx", box.Text());
  EXPECT_EQ(3, box.Caret());
  EXPECT_FALSE(box.GetSel(nullptr, nullptr));
  ASSERT_EQ(1, box.ReplaceString(0, 1, Str("abc"), Str("xabcx"), box.m_pCurPos));
  EXPECT_EQ("xabcxxabcx", box.Text());
  EXPECT_EQ(0, box.Caret());
  EXPECT_EQ(0, box.ReplaceString(0, 1, Str("abc"), Str("xabcx"), box.m_pCurPos));
}

TEST(TBoxReplace, NewTextTakesTheStyleOfTheObjectAtTheCaret) {
  // Forwards the caret ends after the hit, backwards on its first object.
  for (int down : {1, 0}) {
    Box box("abcd");
    for (int i = 0; i < 3; ++i) box.At(i)->pObj->m_crColor = RGB(200, 0, 0);
    box.At(3)->pObj->m_crColor = RGB(0, 0, 200);
    box.At(3)->pObj->m_logFont = JapaneseFont(-24);
    ASSERT_EQ(1, box.ReplaceString(down, 0, Str("ABC"), Str("XY"), nullptr));
    ASSERT_EQ("XYd", box.Text());
    EXPECT_EQ(down ? RGB(0, 0, 200) : RGB(200, 0, 0), box.At(1)->pObj->m_crColor);
    EXPECT_EQ(down ? -24 : g_DefaultFont.lfHeight, box.At(1)->pObj->m_logFont.lfHeight);
  }
}

TEST(TBoxReplace, UndoRestoresTextAndHitInOneStep) {
  Box box("xabcx");
  ASSERT_EQ(1, box.ReplaceString(1, 1, Str("abc"), Str("Q"), nullptr));
  EXPECT_EQ("xQx", box.Text());
  ASSERT_EQ(0, box.Undo());
  EXPECT_EQ("xabcx", box.Text());
  EXPECT_FALSE(box.CanUndo());
  // An empty replacement only deletes the hit, and is undone the same way.
  ASSERT_EQ(1, box.ReplaceString(0, 1, Str("abc"), Str(""), nullptr));
  EXPECT_EQ("xx", box.Text());
  EXPECT_EQ(1, box.Caret());
  box.Undo();
  EXPECT_EQ("xabcx", box.Text());
  EXPECT_FALSE(box.CanUndo());
  // The restored nodes still work as positions for further searching and editing.
  ASSERT_EQ(1, box.ReplaceString(1, 1, Str("abc"), Str("R"), box.m_list.pHead));
  EXPECT_EQ("xRx", box.Text());
}

TEST(TBoxReplace, NothingFoundChangesNothing) {
  Box box("abc");
  EXPECT_EQ(0, box.ReplaceString(1, 1, Str("abd"), Str("x"), nullptr));
  EXPECT_EQ(0, box.ReplaceString(0, 1, Str("ABC"), Str("x"), nullptr));
  EXPECT_EQ("abc", box.Text());
  EXPECT_FALSE(box.CanUndo());
  EXPECT_EQ(0, box.Caret());
}

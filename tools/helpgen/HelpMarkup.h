// HelpMarkup: reads one help source (UTF-8 text with bracket tags) into the pieces a memo is
// made of: styled text runs, links to other memos and pictures.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct HelpPiece {
  enum Kind { kText, kLink, kPicture } kind = kText;
  std::string text;    // Shift-JIS; '\r' ends a line
  std::string target;  // link target or picture file, relative to the source's folder
  bool open = false;   // a link shown opened in place
  COLORREF color = 0;
  LOGFONT font{};
};

class HelpMarkup {
 public:
  // Tags: [color=RRGGBB] and [font=Face,size,biu] until [/]; [link=x.kvm]caption[/link],
  // [open=x.kvm]caption[/link] (opened in place), [picture=x.bmp]; "[[" is a "[".
  // Lines starting with "#" are comments; "title: ..." on the first line names the memo.
  bool Parse(const std::string& utf8, std::string* error);
  const std::string& Title() const { return m_title; }
  const std::vector<HelpPiece>& Pieces() const { return m_pieces; }

  static std::string ToSjis(const std::string& utf8);

 private:
  struct Style {
    COLORREF color;
    LOGFONT font;
  };
  static void ApplyFont(const std::string& value, LOGFONT* font);
  bool Tag(const std::string& tag, std::string* error);
  void Text(const std::string& sjis);

  std::string m_title;
  std::vector<HelpPiece> m_pieces;
  std::vector<Style> m_styles;
  HelpPiece* m_link = nullptr;
};

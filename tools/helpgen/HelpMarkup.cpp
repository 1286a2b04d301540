// HelpMarkup: the help source reader.
#include "HelpMarkup.h"

#include <cstdlib>
#include <cstring>

namespace {

LOGFONT BodyFont() {
  LOGFONT font{};
  font.lfHeight = -16;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  std::strcpy(font.lfFaceName, "ＭＳ Ｐゴシック");
  return font;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) parts.emplace_back();
    else parts.back() += c;
  }
  return parts;
}

}  // namespace

// "Face,size,flags": an empty face keeps the current one; flags b, i, u.
void HelpMarkup::ApplyFont(const std::string& value, LOGFONT* font) {
  std::vector<std::string> parts = Split(value, ',');
  std::string face = ToSjis(parts[0]);
  if (!face.empty()) lstrcpynA(font->lfFaceName, face.c_str(), LF_FACESIZE);
  if (parts.size() > 1) font->lfHeight = -std::atoi(parts[1].c_str());
  std::string flags = parts.size() > 2 ? parts[2] : "";
  font->lfWeight = flags.find('b') != std::string::npos ? FW_BOLD : FW_NORMAL;
  font->lfItalic = flags.find('i') != std::string::npos;
  font->lfUnderline = flags.find('u') != std::string::npos;
}

std::string HelpMarkup::ToSjis(const std::string& utf8) {
  if (utf8.empty()) return utf8;
  int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(wide, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &w[0], wide);
  int narrow = WideCharToMultiByte(932, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string out(narrow, '\0');
  WideCharToMultiByte(932, 0, w.data(), wide, &out[0], narrow, nullptr, nullptr);
  return out;
}

bool HelpMarkup::Parse(const std::string& utf8, std::string* error) {
  m_styles.assign(1, Style{0, BodyFont()});
  std::vector<std::string> lines = Split(utf8, '\n');
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  size_t first = 0;
  if (!lines.empty() && lines[0].compare(0, 7, "title: ") == 0) m_title = ToSjis(lines[first++].substr(7));
  for (size_t i = first; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (!line.empty() && line[0] == '#') continue;
    std::string run;
    for (size_t p = 0; p < line.size(); ++p) {
      if (line[p] != '[') { run += line[p]; continue; }
      if (p + 1 < line.size() && line[p + 1] == '[') { run += '['; ++p; continue; }
      size_t close = line.find(']', p);
      if (close == std::string::npos) { *error = "unclosed tag on line " + std::to_string(i + 1); return false; }
      Text(ToSjis(run));
      run.clear();
      if (!Tag(line.substr(p + 1, close - p - 1), error)) {
        *error += " on line " + std::to_string(i + 1);
        return false;
      }
      p = close;
    }
    Text(ToSjis(run + "\r"));
  }
  return true;
}

void HelpMarkup::Text(const std::string& sjis) {
  if (sjis.empty()) return;
  if (m_link) { m_link->text += sjis; return; }
  const Style& style = m_styles.back();
  HelpPiece* last = m_pieces.empty() ? nullptr : &m_pieces.back();
  if (last && last->kind == HelpPiece::kText && last->color == style.color &&
      std::memcmp(&last->font, &style.font, sizeof(LOGFONT)) == 0) {
    last->text += sjis;
    return;
  }
  HelpPiece piece;
  piece.text = sjis;
  piece.color = style.color;
  piece.font = style.font;
  m_pieces.push_back(piece);
}

bool HelpMarkup::Tag(const std::string& tag, std::string* error) {
  size_t equals = tag.find('=');
  std::string name = tag.substr(0, equals);
  std::string value = equals == std::string::npos ? "" : tag.substr(equals + 1);
  Style style = m_styles.back();
  if (name == "/") {
    if (m_styles.size() < 2) { *error = "[/] without an open style"; return false; }
    m_styles.pop_back();
  } else if (name == "color") {
    unsigned long rgb = std::strtoul(value.c_str(), nullptr, 16);
    style.color = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    m_styles.push_back(style);
  } else if (name == "font") {
    ApplyFont(value, &style.font);
    m_styles.push_back(style);
  } else if (name == "link" || name == "open") {
    HelpPiece piece;
    piece.kind = HelpPiece::kLink;
    piece.target = value;
    piece.open = name == "open";
    piece.font = style.font;
    m_pieces.push_back(piece);
    m_link = &m_pieces.back();
  } else if (name == "/link") {
    if (!m_link) { *error = "[/link] without a link"; return false; }
    m_link = nullptr;
  } else if (m_link) {
    *error = "[" + tag + "] inside a link";
    return false;
  } else if (name == "picture") {
    HelpPiece piece;
    piece.kind = HelpPiece::kPicture;
    piece.target = value;
    m_pieces.push_back(piece);
  } else {
    *error = "unknown tag [" + tag + "]";
    return false;
  }
  return true;
}

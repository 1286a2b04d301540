// Walks a memo's objects in order: characters give their text, links their caption and a
// reference, nested boxes their own objects.
#include "MemoReader.h"

#include <windows.h>

#include "KVDocText.h"
#include "KVFile.h"
#include "KVObjLink.h"
#include "PathKey.h"
#include "TextCodec.h"

namespace {

class ContentWalker {
 public:
  explicit ContentWalker(MemoContent* content) : m_content(content) {}

  void Walk(const KVObjList& list) {
    for (LIST* node = list.m_list.pHead; node; node = node->pNext) {
      KVObject* object = node->pObj;
      if (!object || object->m_wCode == KV_CODE_END_MARKER) continue;
      if (auto* link = dynamic_cast<KVObjLink*>(object)) {
        m_content->links.push_back({PathKey(link->m_szPath), m_line});
        AppendText(object);
      } else if (auto* nested = dynamic_cast<KVObjList*>(object)) {
        Walk(*nested);
      } else {
        AppendText(object);
      }
    }
  }
  const std::string& Text() const { return m_sjis; }

 private:
  void AppendText(KVObject* object) {
    int length = object->TextLength();
    if (length <= 0) return;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int written = 0;
    object->GetText(&text[0], length + 1, &written);
    text.resize(static_cast<size_t>(written > 0 ? written : 0));
    for (char c : text)
      if (c == '\n') ++m_line;
    m_sjis += text;
  }

  MemoContent* m_content;
  std::string m_sjis;
  int m_line = 1;
};

}  // namespace

MemoContent ReadMemoContent(const std::string& sjisPath) {
  MemoContent content;
  KVFile file;
  if (file.Attach(sjisPath.c_str()) != 0 || file.FileType() != FT_MEMO) return content;
  KVDocText doc;
  KVLoadReport report;
  int result = doc.LoadReporting(&file, &report);
  if (result < 0 || !report.bytesRead || !report.docHead || report.unread > 0) return content;
  ContentWalker walker(&content);
  walker.Walk(*doc.Box());
  content.text = Utf8FromSjis(walker.Text());
  content.title = doc.m_strDocName;
  content.readable = true;
  return content;
}

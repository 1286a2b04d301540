// Hostile-input generator of link targets: memos of links opened in place to devices in
// any spelling, a pipe nobody writes to, the memo itself and a memo linking back to it.
#include <set>
#include <string>
#include <vector>

#include "HostileInput.h"
#include "KVErrors.h"
#include "LinkMemoSupport.h"

namespace {

// A pipe without a writer, named as a memo, a text or a picture: a reader that opened it
// would wait for ever. The pipes live as long as the test process.
std::string ListeningPipe(HostileRng& rng) {
  static const char* const kTails[] = {".kvm", ".txt", ".jpg"};
  static HANDLE pipes[3] = {};
  const uint32_t which = rng.Below(3);
  const std::string name = "\\\\.\\pipe\\kvmemo-hostile-" +
                           std::to_string(GetCurrentProcessId()) + kTails[which];
  if (!pipes[which])
    pipes[which] = CreateNamedPipeA(name.c_str(), PIPE_ACCESS_DUPLEX, 0,
                                    PIPE_UNLIMITED_INSTANCES, 512, 512, 0, nullptr);
  return name;
}

// Refused as a missing file by every way in, the editor's start-up load among them; each
// target is asked once.
bool RefusedEverywhere(const std::string& target) {
  static std::set<std::string> refused;
  if (refused.count(target)) return true;
  KVFile file;
  char title[MAX_PATH];
  KVDocText startup;
  const bool everywhere = file.Attach(target.c_str()) == KV_ERR_OPEN &&
                          file.GetDocName(title) != KV_OK && file.WriteFile("x", 1) == KV_ERR_OPEN &&
                          startup.Load(&file) == KV_ERR_OPEN;
  if (everywhere) refused.insert(target);
  return everywhere;
}

// Letters of the path in random case, and now and then a detour through a folder.
std::string Respelt(HostileRng& rng, const std::string& path) {
  std::string spelt = path;
  for (char& c : spelt)
    if (c >= 'a' && c <= 'z' && rng.Below(2)) c = static_cast<char>(c - 'a' + 'A');
  const size_t slash = spelt.find_last_of('\\');
  if (rng.Below(3) == 0 && slash != std::string::npos) spelt.insert(slash, "\\sub\\..");
  return spelt;
}

std::string DeviceTarget(HostileRng& rng) {
  static const char* const kNames[] = {"CON", "nul", "Com1", "LPT9", "aux", "prn", "conin$"};
  static const char* const kTails[] = {"", ".kvm", ".txt", ".jpg", " .kvm", ".a.b"};
  return TestFolder() + kNames[rng.Below(7)] + kTails[rng.Below(6)];
}

}  // namespace

// The memo must load, draw and keep no reading of itself inside itself (by any spelling);
// a device or the pipe is never read. Finishing at all is part of the check.
HostileResult HostileLinkCase(HostileRng& rng) {
  const std::string self = TestFolder() + "hostile-links.kvm";
  static const std::string back = WriteMemo("hostile-back.kvm", MemoLinkingTo(self));
  CreateDirectoryA((TestFolder() + "sub").c_str(), nullptr);
  enum Kind { kSelf, kDevice, kPipe, kBack };
  std::vector<std::string> targets(1 + rng.Below(10));
  std::vector<Kind> kinds;
  for (std::string& target : targets) {
    kinds.push_back(static_cast<Kind>(rng.Below(4)));
    switch (kinds.back()) {
      case kSelf: target = Respelt(rng, self); break;
      case kDevice: target = DeviceTarget(rng); break;
      case kPipe: target = ListeningPipe(rng); break;
      case kBack: target = back; break;
    }
  }
  WriteMemo("hostile-links.kvm", OpenLinksRun(targets));
  HostileResult result;
  KVDocText doc;
  if (LoadFile(doc, self) != 1) {
    result.fault = "the memo did not load";
    return result;
  }
  result.accepted = true;
  DrawWhole(doc);
  const std::vector<KVObjLink*> links = LinksOf(doc);
  if (links.size() != kinds.size()) result.fault = "links were lost";
  for (size_t i = 0; i < links.size() && i < kinds.size(); ++i) {
    KVDocText* child = ChildText(links[i]);
    if (kinds[i] == kSelf && links[i]->m_pChild) result.fault = "the memo was read inside itself";
    if (kinds[i] == kBack && (!child || LinksOf(*child).empty() || LinksOf(*child)[0]->m_pChild))
      result.fault = "the memo linking back was not read, or read the memo again";
    if ((kinds[i] == kDevice || kinds[i] == kPipe) &&
        (links[i]->m_szDocName[0] || (child && !TextOf(*child).empty()) ||
         !RefusedEverywhere(targets[i])))
      result.fault = "a device or pipe was read";
  }
  return result;
}

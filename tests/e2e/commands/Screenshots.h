// Screenshots for a person to look at. With KV_SHOT_DIR set (a Windows path), a shot asks
// shot-watcher.sh (beside these tests) for "import -window root" by writing
// NAME.want there, and waits until NAME.png has come (at most a few seconds).
#pragma once

#include <string>

void TakeShot(const std::string& name);

#include "core/StartUp.h"

namespace StartUp {

bool Main() { return false; }
void CheckRestartMarker() {}
void GetStartParam() {}
void DeleteRunOnceLink() {}
void LoadProductStrings() {}
void RemoveOldDialer() {}

}  // namespace StartUp

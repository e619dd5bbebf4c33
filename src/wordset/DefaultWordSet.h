#pragma once

#include "wordset/WordList.h"

// The built-in default word set, parsed from the program's resources once per
// process; every Word Maintenance window shares this one snapshot.
WordListPtr defaultWordList();

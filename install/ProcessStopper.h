#pragma once
// Forced closing of running product programs before their files are
// replaced.
#include <string>
#include <vector>

// The text cut at every occurrence of the separator, empty pieces included.
// An empty text gives no items at all.
std::vector<std::string> SplitString(const std::string &text, const std::string &separator);

// Sum of the 1-based positions at which each item of the "|"-separated name
// list first occurs in the executable name (case-sensitive, byte by byte);
// an item that does not occur, or an empty one, adds 0. So the name matches
// when the sum is above 0: it contains at least one item.
int CountNameMatches(const std::string &nameList, const std::string &exeName);

// One pass over the system's processes: every process whose lower-cased
// executable name contains an item of the "|"-separated list is terminated,
// provided it can be opened and its executable's file name can be read.
// Returns true when at least one process was sent the termination request.
// List items are compared as they stand and must be lower case to match.
bool StopRunningPrograms(const std::string &nameList);

#pragma once
// Path texts in an 8-bit code page that may hold double-byte characters.
// In code page 936 the second byte of a character can be 0x5C, the value of
// a backslash: such a byte belongs to its character and is never taken for a
// separator. Every routine that looks for backslashes or colons in a path
// goes through these functions.
#include <bitset>
#include <string>
#include <string_view>

// The lead bytes of one code page: a lead byte and the byte after it form one
// character.
class LeadBytes {
public:
    explicit LeadBytes(unsigned codePage);
    // Those of the system's ANSI code page, read once.
    static const LeadBytes &System();

    bool contains(unsigned char byte) const { return set_[byte]; }

private:
    std::bitset<256> set_;
};

// True when the last character of the text is a single-byte backslash.
bool EndsWithBackslash(std::string_view text, const LeadBytes &lead = LeadBytes::System());

// A folder value: the text with a backslash appended unless it already ends
// with one. An empty text gives a lone backslash.
std::string IncludeTrailingBackslash(std::string_view text, const LeadBytes &lead = LeadBytes::System());

// The text without its one trailing backslash, if it ends with one.
std::string ExcludeTrailingBackslash(std::string_view text, const LeadBytes &lead = LeadBytes::System());

// The file-name part of a path: everything after its last backslash or colon.
std::string FileNamePart(std::string_view path, const LeadBytes &lead = LeadBytes::System());

// The folder part of a path: everything up to and including its last
// backslash; empty when it has none.
std::string FolderPart(std::string_view path, const LeadBytes &lead = LeadBytes::System());

// The path with every backslash written twice.
std::string DoubleBackslashes(std::string_view path, const LeadBytes &lead = LeadBytes::System());

// The C runtime's wide functions that the system calls by their Windows names: opening a
// file with a text encoding (_wfopen_s), and reading numbers in the C locale (_wtoi,
// _wtof). A FILE from _wfopen_s is a real stdio stream; read and write its text through
// CStdioFile(FILE*), which knows its encoding, and close it with fclose or Close.
#ifndef PLATFORM_WIN_CRT_H
#define PLATFORM_WIN_CRT_H

#include <cerrno>
#include <cstdio>

typedef int errno_t;

/// Opens a file with a C runtime mode: "r", "w", "a", "+", "t" (default) or "b", and an
/// encoding ", ccs=UNICODE", ", ccs=UTF-16LE" or ", ccs=UTF-8" (blanks allowed anywhere:
/// "r, ccs=UNICODE"). With an encoding, text is UTF-16LE (or UTF-8) with "\r\n" on disk;
/// reading honours a byte-order mark (FF FE, EF BB BF) and takes a file without one in
/// the asked encoding; "w" writes the mark first. Without one, text is 8-bit Windows-1250.
/// Returns 0 and sets `*file`, or an errno value (ENOENT, EACCES, EINVAL for a bad mode)
/// with `*file` null.
errno_t _wfopen_s(FILE** file, const wchar_t* path, const wchar_t* mode);

/// The leading integer of `text` in the C locale: blanks skipped, an optional sign, digits
/// up to the first other character; 0 when none. Saturates at INT_MAX / INT_MIN.
///   L" 12,5" => 12     L"-7px" => -7     L"x1" => 0
int _wtoi(const wchar_t* text);
/// The leading real of `text` in the C locale ("." is the decimal point): blanks skipped,
/// sign, digits, fraction, exponent, "inf", "nan"; 0 when nothing parses.
///   L"12.5e1x" => 125.0     L"12,5" => 12.0     L"abc" => 0.0
double _wtof(const wchar_t* text);

#endif

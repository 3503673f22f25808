// The texts the program shows are written in Russian and looked up in the
// translation the program installed, so that the same code speaks English
// when the person's locale asks for it. The engine and the other plain C++
// parts have no Qt: the window layer installs the look-up here.
//
// The program's translation tools collect every text given to Tr and to
// DBF_TR_NOOP, with its context, from the sources.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text kept in a constant; Tr(context, constant) translates it where
// it is used, with the same context.
#define DBF_TR_NOOP(context, source) source

namespace dbf {

// Turns a Russian source text of a context into the text to show (UTF-8).
using TextTranslator = std::function<std::string(const char* context, const char* source)>;

// Installs the look-up; an empty function shows every text as written.
void SetTextTranslator(TextTranslator translator);

// The text to show for `source`, in UTF-8.
std::string Tr(const char* context, const char* source);

// `pattern` with %1 .. %9 replaced by the arguments in order. A replaced
// argument is not searched again, so an argument may itself hold "%1".
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace dbf

// The message catalogue: the element findings each have their own text; a rule's finding is
// described by its family and rule number, with the exports that list it among their results.
#include "tools/messages.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace olv {
namespace {

struct Message {
  int32_t code;
  const char* english;
  const char* polish;
};

// clang-format off
// The element findings, as the validators and the date forms define them.
constexpr Message kElementMessages[] = {
  {60003801, "not a full stop, hyphen or space", "znak inny niż kropka, łącznik lub spacja"},
  {60003901, "a fraction must consist of digits", "ułamek może zawierać tylko cyfry"},
  {60004001, "the text is longer than the field's maximum length", "tekst jest dłuższy niż maksymalna długość pola"},
  {60004101, "a two-character code is required", "wymagany jest kod dwuznakowy"},
  {60004301, "the field must be filled", "pole musi być wypełnione"},
  {60005001, "invalid NUSP number (check digit)", "niepoprawny numer NUSP (cyfra kontrolna)"},
  {60005101, "invalid NIP number", "niepoprawny numer NIP"},
  {60005201, "invalid REGON number", "niepoprawny numer REGON"},
  {60005301, "invalid e-mail address", "niepoprawny adres e-mail"},
  {60005401, "invalid PESEL number", "niepoprawny numer PESEL"},
  {60005701, "the month is 00 or above 12", "miesiąc 00 lub większy niż 12"},
  {60005801, "the day is 00 or beyond the end of the month", "dzień 00 lub poza końcem miesiąca"},
  {60005901, "not a number: one run of digits, optionally framed by spaces", "to nie jest liczba: jeden ciąg cyfr, ewentualnie otoczony spacjami"},
  {60005902, "a five-digit number is required", "wymagana jest liczba pięciocyfrowa"},
  {60006001, "a logical field holds X or nothing", "pole logiczne zawiera X albo nic"},
  {60006101, "invalid amount", "niepoprawna kwota"},
  {60006201, "invalid date: wrong length or a character that is not a digit", "niepoprawna data: zła długość lub znak niebędący cyfrą"},
  {60006301, "the year is out of range", "rok poza zakresem"},
  {60006401, "invalid first name", "niepoprawne imię"},
  {60006501, "invalid name", "niepoprawna nazwa"},
  {60006503, "a name may hold letters, hyphens, full stops, brackets and spaces", "nazwa może zawierać litery, łączniki, kropki, nawiasy i spacje"},
  {60006601, "invalid surname", "niepoprawne nazwisko"},
  {60006701, "invalid text: a character is not allowed", "niepoprawny tekst: niedozwolony znak"},
  {60007301, "invalid passport number", "niepoprawny numer paszportu"},
  {60007401, "invalid ordinal number of the report", "niepoprawny numer kolejny raportu"},
  {60007501, "a character is neither a letter, a digit nor an allowed special character", "znak nie jest literą, cyfrą ani dozwolonym znakiem specjalnym"},
  {60007601, "invalid bank account number", "niepoprawny numer rachunku bankowego"},
  {60007602, "invalid bank account number (NRB or IBAN form)", "niepoprawny numer rachunku bankowego (postać NRB lub IBAN)"},
  {60007701, "only ASCII letters, digits, hyphens and solidi are allowed", "dozwolone są tylko litery łacińskie, cyfry, łączniki i ukośniki"},
  {60007702, "a hyphen in a wrong place", "łącznik w niewłaściwym miejscu"},
  {60007901, "invalid telephone number", "niepoprawny numer telefonu"},
  {60008101, "invalid date with an ordinal (DDMMRRRRNN)", "niepoprawna data z numerem kolejnym (DDMMRRRRNN)"},
  {61002201, "invalid identity card number", "niepoprawny numer dowodu osobistego"},
  {62001201, "a name or number may hold letters, digits, spaces and hyphens", "nazwa lub numer może zawierać litery, cyfry, spacje i łączniki"},
};
// clang-format on

struct Family {
  int code;
  const char* english;
  const char* polish;
};

constexpr Family kFamilies[] = {
    {60, "element check or WD rule", "kontrola elementu lub reguła WD"},
    {61, "XP rule", "reguła XP"},
    {62, "GP rule", "reguła GP"},
    {63, "XB rule", "reguła XB"},
    {64, "GB rule", "reguła GB"},
    {66, "ZF rule", "reguła ZF"},
    {69, "XU rule", "reguła XU"},
};

const char* pick(Language lang, const char* english, const char* polish) {
  return lang == Language::kPolish ? polish : english;
}

const Message* element_message(int64_t code) {
  for (const Message& m : kElementMessages) {
    if (m.code == code) return &m;
  }
  return nullptr;
}

const Family* family_of(int64_t code) {
  if (code < 10000000 || code > 99999999) return nullptr;
  for (const Family& f : kFamilies) {
    if (f.code == code / 1000000) return &f;
  }
  return nullptr;
}

std::string four_digits(int64_t n) {
  std::string s = std::to_string(n);
  return std::string(4 - std::min<std::size_t>(4, s.size()), '0') + s;
}

// The finding's own text: the catalogue's, or its family, rule number and variant.
std::string finding_text(int64_t code, Language lang) {
  if (const Message* m = element_message(code)) return pick(lang, m->english, m->polish);
  const Family* f = family_of(code);
  if (!f) return {};
  std::string rule = four_digits(code / 100 % 10000);
  std::string variant = std::to_string(code % 100);
  if (f->code == 60) {
    return pick(lang, "element finding ", "błąd elementu ") + rule +
           pick(lang, ", variant ", ", wariant ") + variant;
  }
  return std::string(pick(lang, f->english, f->polish)) + " " + rule +
         pick(lang, ": the related fields do not agree (variant ",
              ": powiązane pola są niezgodne (wariant ") +
         variant + ")";
}

bool lists(const Export& row, int64_t code) {
  return std::find(row.results.begin(), row.results.end(), code) != row.results.end();
}

}  // namespace

Language language_from_environment() {
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* v = std::getenv(var);
    if (v && *v)
      return std::string_view(v).substr(0, 2) == "pl" ? Language::kPolish : Language::kEnglish;
  }
  return Language::kEnglish;
}

std::string explain_code(int64_t code, Language lang) {
  std::string returned_by;
  for (const Export& row : exports()) {
    if (!lists(row, code)) continue;
    if (!returned_by.empty()) returned_by += ", ";
    returned_by += row.name;
  }
  std::string text = finding_text(code, lang);
  if (text.empty() || (returned_by.empty() && !element_message(code))) return {};
  if (!returned_by.empty()) text += pick(lang, "; returned by ", "; zwracany przez ") + returned_by;
  return text;
}

std::string describe_result(const TypedExport& row, int64_t value, Language lang) {
  if (row.result == ResultKind::kBool) {
    return pick(lang, "the check answered false", "kontrola odpowiedziała fałsz");
  }
  if (std::string text = finding_text(value, lang); !text.empty()) return text;
  // The dispatcher's -1 is a dictionary type's answer; its other negative answers are
  // -1000 - type for a type it does not know (type -1 gives -999).
  if (std::string_view(row.name) == "f_KVTElem" && value < 0 && value != -1) {
    return pick(lang, "unknown element type ", "nieznany typ elementu ") +
           std::to_string(-1000 - value);
  }
  if (value == -1) {
    std::string_view name = row.name;
    if (name.substr(0, 3) == "fb_" || name.substr(0, 3) == "sl_") {
      return pick(lang, "the code is not valid for the dictionary",
                  "kod nie jest poprawny dla słownika");
    }
  }
  return pick(lang, "the answer is not 0 but ", "odpowiedź nie jest 0, lecz ") +
         std::to_string(value);
}

}  // namespace olv

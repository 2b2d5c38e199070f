// The code lists of the dictionary service, one row each: the code checks, the lists' names and
// the element dispatcher read them here.
#pragma once

#include <iterator>

namespace olv {

// The format test a code passes before the service is asked.
enum class LocalTest {
  kDigits,          // digits only (an empty code passes)
  kSixDigits,       // a six-digit code; without a date it passes unasked
  kTwoDigitsFirst,  // the first two units are digits, the rest is the service's
  kNone,            // anything goes to the service
  kRefused,         // the list is never consulted: every code fails
};

struct CodeList {
  int number;
  LocalTest test;
  bool element_type;     // the dispatcher checks texts of the element type of this number here
  bool rules_consult;    // a rule checks its codes here: the sample database must hold the list
  const char16_t* name;  // null for a list without a name
};

// clang-format off
// Two numbers share a name where one list serves two kinds of field.
inline constexpr CodeList kCodeLists[] = {
    {10001, LocalTest::kDigits,         false, false, nullptr},
    {10002, LocalTest::kDigits,         false, false, u"Osoba, która nie musi wypełniać danych identyfikacyjnych płatnika"},
    {10003, LocalTest::kSixDigits,      false, false, nullptr},
    {10004, LocalTest::kDigits,         false, true,  u"Kod wykonywanego zawodu"},
    {10005, LocalTest::kTwoDigitsFirst, false, true,  u"Kod oddziałów NFZ"},
    {10006, LocalTest::kDigits,         false, true,  u"Kod stopnia pokrewieństwa / powinowactwa"},
    {10007, LocalTest::kDigits,         false, false, u"Kod stopnia niezdolności do pracy"},
    {10008, LocalTest::kDigits,         false, true,  u"Kod przyczyny wyrejestrowania płatnika"},
    {10009, LocalTest::kDigits,         false, true,  u"Kod przyczyny wyrejestrowania ubezpieczonego"},
    {10010, LocalTest::kDigits,         false, true,  u"Kod pracy w szczególnych warunkach / w szczególnym charakterze"},
    {10011, LocalTest::kDigits,         false, false, u"Kod terminu przysyłania deklaracji"},
    {10012, LocalTest::kDigits,         false, true,  u"Kod rodzaju uprawnienia"},
    {10013, LocalTest::kDigits,         false, true,  u"Kod stopnia niepełnosprawności"},
    {10014, LocalTest::kTwoDigitsFirst, false, false, u"Kod kasy chorych"},
    {10015, LocalTest::kDigits,         false, false, u"Kod tytułu ubezpieczenia"},
    {10016, LocalTest::kDigits,         false, false, nullptr},
    {10017, LocalTest::kDigits,         false, false, u"Kod wykształcenia"},
    {10018, LocalTest::kDigits,         false, false, u"Informacja o przekroczeniu rocznej podstawy wymiaru składek"},
    {10019, LocalTest::kDigits,         false, true,  u"Kod świadczenia / przerwy"},
    {10020, LocalTest::kDigits,         true,  false, u"Kod okresu pracy górniczej"},
    {10021, LocalTest::kDigits,         false, false, u"Kod stopnia niepełnosprawności"},
    {10022, LocalTest::kDigits,         false, false, u"Kod dniówek i zjazdów"},
    {10023, LocalTest::kDigits,         true,  true,  u"Rodzaj dokumentu"},
    {10024, LocalTest::kNone,           true,  false, u"Typ identyfikatora"},
    {10025, LocalTest::kDigits,         true,  false, u"Kod urlopu / nieobecności usprawiedliwionej"},
    {10026, LocalTest::kRefused,        false, false, nullptr},
    {10027, LocalTest::kDigits,         true,  false, u"Kod drużyny ratowniczej"},
    {10028, LocalTest::kDigits,         true,  false, u"Kod składnika wynagrodzenia"},
    {10029, LocalTest::kDigits,         true,  false, u"Nowy adres / zakończenie prowadzenia działalności pod adresem"},
    {10030, LocalTest::kDigits,         true,  false, u"Nowy rachunek / zamknięcie rachunku"},
    {10031, LocalTest::kDigits,         true,  false, u"Zgłoszenie nowego członka rodziny / wyrejestrowanie członka rodziny"},
    {10032, LocalTest::kDigits,         true,  false, u"Zgłoszenie zmiany / korekty danych płatnika składek"},
    {10033, LocalTest::kDigits,         true,  false, u"Zgłoszenie zmiany / korekty danych identyfikacyjnych"},
    {10034, LocalTest::kNone,           true,  false, u"Płeć"},
    {10035, LocalTest::kDigits,         true,  false, u"Kod stanowiska / pracy górniczej"},
    {10036, LocalTest::kDigits,         true,  false, u"Status zakładu pracy chronionej"},
    {10037, LocalTest::kNone,           false, false, u"Typ identyfikatora"},
    {10038, LocalTest::kDigits,         false, false, u"Kod wniosku o dofinansowanie składek za osoby niepełnosprawne"},
    {10039, LocalTest::kDigits,         false, false, u"TJO VUK"},
    {10040, LocalTest::kRefused,        false, false, u"Kod tytułu ubezpieczenia"},
    {10041, LocalTest::kRefused,        false, false, nullptr},
    {10042, LocalTest::kRefused,        false, false, nullptr},
    {10043, LocalTest::kRefused,        false, false, nullptr},
    {10044, LocalTest::kRefused,        false, false, nullptr},
    {10045, LocalTest::kNone,           false, false, u"Typ wpłaty"},
    {10046, LocalTest::kNone,           false, false, u"Obywatelstwo"},
    {10047, LocalTest::kNone,           false, false, u"Państwo"},
    {10048, LocalTest::kDigits,         false, false, u"Podstawy składek"},
    {10049, LocalTest::kDigits,         false, true,  u"Kod pracy w szczególnych warunkach lub o szczególnym charakterze"},
    {10050, LocalTest::kNone,           false, false, nullptr},
    {10051, LocalTest::kNone,           false, false, nullptr},
    {10052, LocalTest::kNone,           false, false, nullptr},
    {10053, LocalTest::kDigits,         false, false, nullptr},
    {10054, LocalTest::kDigits,         false, false, nullptr},
    {10055, LocalTest::kDigits,         false, false, nullptr},
    {10056, LocalTest::kDigits,         false, false, nullptr},
};
// clang-format on

// The lists are numbered from 10001 on without a gap, each row at its number's place.
inline constexpr int kFirstCodeList = 10001;

// The row of a list number, or null for a number that names no list.
constexpr const CodeList* code_list(int number) {
  constexpr int kLastCodeList = kFirstCodeList + static_cast<int>(std::size(kCodeLists)) - 1;
  if (number < kFirstCodeList || number > kLastCodeList) return nullptr;
  return &kCodeLists[number - kFirstCodeList];
}

}  // namespace olv

// The checker's modes over the typed calls: options, one call, the list, explanations, batch.
#include "tools/checker.h"

#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/arguments.h"

namespace olv {
namespace {

using json = nlohmann::ordered_json;

// Progress is shown once a batch has run this long, and then at most this often.
constexpr auto kProgressAfter = std::chrono::seconds(1);
constexpr auto kProgressEvery = std::chrono::milliseconds(250);

const char* export_kind_name(ExportKind kind) {
  switch (kind) {
    case ExportKind::kPlain:
      return "plain";
    case ExportKind::kDecorated:
      return "decorated";
    case ExportKind::kRule:
      return "rule";
    case ExportKind::kFixed:
      return "fixed";
    case ExportKind::kFixedDecorated:
      return "fixed decorated";
    case ExportKind::kSame:
      return "same";
  }
  return "?";
}

const char* result_kind_name(ResultKind kind) {
  switch (kind) {
    case ResultKind::kVoid:
      return "void";
    case ResultKind::kInt:
      return "int";
    case ResultKind::kBool:
      return "bool";
    case ResultKind::kDouble:
      return "double";
    case ResultKind::kText:
      return "text";
    case ResultKind::kOwnedText:
      return "owned text";
    case ResultKind::kString:
      return "string";
    case ResultKind::kPointer:
      return "pointer";
  }
  return "?";
}

void set_status(int& status, int at_least) { status = std::max(status, at_least); }

// Converts JSON arguments for the row and calls it; the outcome's error names what was wrong.
Outcome call_with_json(const TypedExport& row, const json& args) {
  std::vector<Arg> converted(args.size());
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string error;
    if (!arg_from_json(args[i], param_kind_at(row, i), converted[i], error)) {
      Outcome o;
      o.error = "argument " + std::to_string(i + 1) + ": " + error;
      return o;
    }
  }
  return row.call(converted);
}

int list_exports(std::ostream& out) {
  for (const TypedExport& row : typed_exports()) {
    const Export& reg = registry_row(row);
    out << row.name;
    if (std::string_view(row.symbol) != row.name) out << " [" << row.symbol << "]";
    out << "  " << export_kind_name(reg.kind);
    if (reg.same_as) out << " as " << reg.same_as;
    out << "  " << row.params.size() << (row.variadic ? "+" : "") << "  (";
    for (std::size_t i = 0; i < row.params.size(); ++i) {
      out << (i ? ", " : "") << kind_name(param_kind_at(row, i));
    }
    if (row.variadic) out << (row.params.empty() ? "" : ", ") << "texts..., null";
    out << ") -> " << result_kind_name(row.result) << '\n';
  }
  return kAllPassed;
}

// Explains each code in turn; a word that is not one of the library's codes is reported and
// makes the status a usage error, without stopping the others.
int explain(const Options& options, std::ostream& out, std::ostream& err) {
  int status = kAllPassed;
  for (const std::string& word : options.words) {
    json j;
    std::string error;
    std::string text;
    if (!json_from_word(word, ParamKind::kInt64, j, error) || !j.is_number_integer()) {
      err << "olvenir-check: --explain takes integer codes, not " << word << '\n';
    } else if (text = explain_code(j.get<int64_t>(), options.language); text.empty()) {
      err << "olvenir-check: " << word << " is not a finding code of the library\n";
    } else {
      out << j.get<int64_t>() << ": " << text << '\n';
      continue;
    }
    set_status(status, kUsageOrInputError);
  }
  return status;
}

int call_one(const Options& options, std::ostream& out, std::ostream& err) {
  const TypedExport* row = find_typed_export(options.name);
  if (!row) {
    err << "olvenir-check: no export named " << options.name << " (see --list)\n";
    return kUsageOrInputError;
  }
  json args = json::array();
  for (std::size_t i = 0; i < options.words.size(); ++i) {
    json j;
    std::string error;
    if (!json_from_word(options.words[i], param_kind_at(*row, i), j, error)) {
      err << "olvenir-check: " << row->name << " argument " << i + 1 << ": " << error << '\n';
      return kUsageOrInputError;
    }
    args.push_back(std::move(j));
  }
  Outcome o = call_with_json(*row, args);
  if (!o.error.empty()) {
    err << "olvenir-check: " << row->name << ": " << o.error << '\n';
    return kUsageOrInputError;
  }
  out << row->name << " = " << result_json(o).dump(-1, ' ', false, json::error_handler_t::replace)
      << '\n';
  for (const OutValue& v : o.outs) {
    json value = std::holds_alternative<int64_t>(v.value)
                     ? json(std::get<int64_t>(v.value))
                     : json(utf8_from_utf16(std::get<std::u16string>(v.value)));
    out << "  argument " << v.index + 1 << " -> " << value.dump() << '\n';
  }
  if (!is_finding(*row, o)) return kAllPassed;
  out << "  " << describe_result(*row, o.number, options.language) << '\n';
  return kFindings;
}

int batch(std::istream& in, CheckerStreams& io, Language lang) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  Clock::time_point shown = start;
  bool showing = false;
  int status = kAllPassed;
  std::string line;
  std::size_t number = 0;
  while (std::getline(in, line)) {
    io.out << answer_line(line, ++number, lang, status) << '\n';
    if (io.progress && number % 256 == 0) {
      Clock::time_point now = Clock::now();
      if (now - start >= kProgressAfter && now - shown >= kProgressEvery) {
        io.err << "\rolvenir-check: " << number << " lines" << std::flush;
        shown = now;
        showing = true;
      }
    }
  }
  if (showing) io.err << "\rolvenir-check: " << number << " lines, done\n";
  io.out.flush();
  return status;
}

}  // namespace

bool is_finding(const TypedExport& row, const Outcome& o) {
  if (!o.error.empty()) return false;
  const Export& answers = answering_row(row);
  for (int64_t r : answers.results) {
    if (r == kAnyResult) return false;
    if (r == kAnyCode) return o.kind == ResultKind::kInt && o.number != 0;
  }
  if (o.kind == ResultKind::kBool) return o.number == 0;
  return o.kind == ResultKind::kInt && o.number != 0;
}

std::string answer_line(const std::string& raw, std::size_t number, Language lang, int& status) {
  std::string_view line = raw;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const json* id = nullptr;
  const std::string* name = nullptr;
  // A failed line is answered as a whole object; its cost does not matter.
  auto error = [&](std::string what) {
    json reply = json::object();
    reply["line"] = number;
    if (id) reply["id"] = *id;
    if (name) reply["fn"] = *name;
    reply["error"] = std::move(what);
    set_status(status, kUsageOrInputError);
    return reply.dump(-1, ' ', false, json::error_handler_t::replace);
  };
  json request;
  try {
    request = json::parse(line);
  } catch (const json::exception& e) {
    // A syntax error, or a number beyond a double (out_of_range), which the parser throws too.
    return error(std::string("invalid JSON: ") + e.what());
  }
  if (!request.is_object())
    return error("a request is a JSON object {\"fn\": ..., \"args\": [...]}");
  if (auto found = request.find("id"); found != request.end()) id = &*found;
  auto fn = request.find("fn");
  if (fn == request.end() || !fn->is_string()) return error("\"fn\" must be a text");
  name = &fn->get_ref<const std::string&>();
  const TypedExport* row = find_typed_export(*name);
  if (!row) return error("unknown export \"" + *name + "\"");
  json no_args = json::array();
  auto args = request.find("args");
  const json& arguments = args == request.end() ? no_args : *args;
  if (!arguments.is_array()) return error("\"args\" must be a list");
  Outcome o = call_with_json(*row, arguments);
  if (!o.error.empty()) return error(o.error);
  // The answer is written member by member, in the order of the failed line's object: a batch
  // answers every line, and building the object first would cost as much as the call.
  auto dump = [](const json& j) { return j.dump(-1, ' ', false, json::error_handler_t::replace); };
  std::string reply = "{\"line\":" + std::to_string(number);
  if (id) reply.append(",\"id\":").append(dump(*id));
  reply.append(",\"fn\":").append(dump(*name));
  reply.append(",\"result\":").append(dump(result_json(o)));
  if (json outs = outs_json(o); !outs.is_null()) reply.append(",\"out\":").append(dump(outs));
  if (is_finding(*row, o)) {
    reply.append(",\"finding\":true,\"message\":")
        .append(dump(describe_result(*row, o.number, lang)));
    set_status(status, kFindings);
  }
  reply += '}';
  return reply;
}

std::string usage() {
  return R"(usage: olvenir-check [OPTIONS] NAME ARG...     call one export by name
       olvenir-check [OPTIONS] --batch [FILE]    JSON Lines requests from FILE or standard input
       olvenir-check --list                      every export with its kind and parameters
       olvenir-check [--lang en|pl] --explain CODE...
options:
  --dictionary FILE   answer dictionary queries from this database
  --no-dictionary     no dictionary service (code checks pass, lookups give "-1")
  --lang en|pl        the language of the messages (default from LANG)
By default dictionary queries are answered by the embedded sample dictionary.
Arguments: texts in UTF-8; :null is a null pointer, :empty (or '') the empty text, ::TEXT a text
beginning with a colon, :json:VALUE any JSON value (lists, conditions, code tables, and
{"units": [...]} for raw UTF-16 units); numbers in decimal or 0x hexadecimal, true or false.
Batch lines: {"fn": "XP0088_1", "args": ["a", null]}; one JSON result line per line.
Exit status: 0 every check passed, 1 a finding was returned, 2 usage or input error.
)";
}

bool parse_options(const std::vector<std::string>& args, Options& o, std::string& error) {
  std::size_t i = 0;
  bool mode_set = false;
  auto set_mode = [&](Mode m) {
    if (mode_set) return false;
    o.mode = m;
    return mode_set = true;
  };
  auto fail = [&](std::string what) {
    error = std::move(what);
    return false;
  };
  o.language = language_from_environment();
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") {
      ++i;
      break;
    }
    if (a.size() < 2 || a.compare(0, 2, "--") != 0) break;
    if (a == "--list") {
      if (!set_mode(Mode::kList)) return fail("only one of --list, --explain, --batch");
    } else if (a == "--help") {
      if (!set_mode(Mode::kHelp)) return fail("--help takes nothing else");
    } else if (a == "--explain") {
      if (!set_mode(Mode::kExplain)) return fail("only one of --list, --explain, --batch");
      while (i + 1 < args.size() && args[i + 1].compare(0, 2, "--") != 0)
        o.words.push_back(args[++i]);
      if (o.words.empty()) return fail("--explain takes a code");
    } else if (a == "--batch") {
      if (!set_mode(Mode::kBatch)) return fail("only one of --list, --explain, --batch");
      if (i + 1 < args.size() && (args[i + 1] == "-" || args[i + 1].compare(0, 2, "--") != 0)) {
        o.batch_file = args[++i];
      }
    } else if (a == "--dictionary") {
      if (++i == args.size()) return fail("--dictionary takes a file");
      if (o.dictionary == DictionaryChoice::kNone)
        return fail("--dictionary or --no-dictionary, not both");
      o.dictionary = DictionaryChoice::kFile;
      o.dictionary_file = args[i];
    } else if (a == "--no-dictionary") {
      if (o.dictionary == DictionaryChoice::kFile)
        return fail("--dictionary or --no-dictionary, not both");
      o.dictionary = DictionaryChoice::kNone;
    } else if (a == "--lang") {
      if (++i == args.size() || (args[i] != "en" && args[i] != "pl"))
        return fail("--lang takes en or pl");
      o.language = args[i] == "pl" ? Language::kPolish : Language::kEnglish;
    } else {
      return fail("unknown option " + a);
    }
  }
  if (i < args.size()) {
    if (mode_set) return fail("unexpected argument " + args[i]);
    o.mode = Mode::kCall;
    o.name = args[i];
    o.words.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    return true;
  }
  if (!mode_set) return fail("no export named; see --help");
  return true;
}

int run_checker(const Options& options, CheckerStreams& io) {
  switch (options.mode) {
    case Mode::kHelp:
      io.out << usage();
      return kAllPassed;
    case Mode::kList:
      return list_exports(io.out);
    case Mode::kExplain:
      return explain(options, io.out, io.err);
    case Mode::kCall:
      return call_one(options, io.out, io.err);
    case Mode::kBatch:
      if (options.batch_file.empty() || options.batch_file == "-")
        return batch(io.in, io, options.language);
      {
        std::ifstream file(options.batch_file, std::ios::binary);
        if (!file) {
          io.err << "olvenir-check: cannot read " << options.batch_file << '\n';
          return kUsageOrInputError;
        }
        return batch(file, io, options.language);
      }
  }
  return kUsageOrInputError;
}

}  // namespace olv

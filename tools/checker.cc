// The checker's modes over the typed calls: options, one call, the list, explanations, batch.
#include "tools/checker.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/arguments.h"
#include "tools/element_types.h"
#include "tools/options.h"

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

json list_row_json(const TypedExport& row) {
  const Export& reg = registry_row(row);
  json params = json::array();
  for (std::size_t i = 0; i < row.params.size(); ++i)
    params.push_back(kind_name(param_kind_at(row, i)));
  json j = json::object();
  j["name"] = row.name;
  j["symbol"] = row.symbol;
  j["kind"] = export_kind_name(reg.kind);
  if (reg.same_as) j["same_as"] = reg.same_as;
  j["params"] = std::move(params);
  j["variadic"] = row.variadic;
  j["result"] = result_kind_name(row.result);
  return j;
}

// The element types of f_KVTElem: one line each, a JSON object each, or the docs' table.
int list_element_types(std::ostream& out, const Options& options) {
  if (options.markdown) {
    out << element_types_markdown(options.language);
    return kAllPassed;
  }
  for (const ElementType& t : element_types()) {
    if (options.json) {
      json j = json::object();
      j["type"] = t.first;
      if (t.last != t.first) j["last"] = t.last;
      j["takes"] = t.name;
      if (!t.validator.empty()) j["validator"] = t.validator;
      j["findings"] = t.codes;
      out << j.dump() << '\n';
      continue;
    }
    out << t.first;
    if (t.last != t.first) out << '-' << t.last;
    out << "  " << t.name;
    if (!t.validator.empty()) out << "  " << t.validator;
    for (std::size_t i = 0; i < t.codes.size(); ++i) out << (i ? ", " : "  ") << t.codes[i];
    out << '\n';
  }
  return kAllPassed;
}

int list_exports(std::ostream& out, bool as_json) {
  for (const TypedExport& row : typed_exports()) {
    if (as_json) {
      out << list_row_json(row).dump() << '\n';
      continue;
    }
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

std::string dump(const json& j) { return j.dump(-1, ' ', false, json::error_handler_t::replace); }

// What one reply is about: its line, and what the request named.
struct Request {
  std::size_t number;
  const json* id = nullptr;
  const std::string* value = nullptr;  // --each: the line's value
  const std::string* name = nullptr;
};

// A failed request is answered as a whole object; its cost does not matter.
std::string error_reply(const Request& r, std::string what, int& status) {
  json reply = json::object();
  reply["line"] = r.number;
  if (r.id) reply["id"] = *r.id;
  if (r.value) reply["value"] = *r.value;
  if (r.name) reply["fn"] = *r.name;
  reply["error"] = std::move(what);
  set_status(status, kUsageOrInputError);
  return dump(reply);
}

// The answer to one call. It is written member by member, in the order of a failed line's
// object: a batch answers every line, and building the object first would cost as much as the
// call.
std::string call_reply(const Request& r, const TypedExport& row, const json& arguments,
                       Language lang, int& status) {
  Outcome o = call_with_json(row, arguments);
  if (!o.error.empty()) return error_reply(r, o.error, status);
  std::string reply = "{\"line\":" + std::to_string(r.number);
  if (r.id) reply.append(",\"id\":").append(dump(*r.id));
  if (r.value) reply.append(",\"value\":").append(dump(*r.value));
  reply.append(",\"fn\":").append(dump(*r.name));
  reply.append(",\"result\":").append(dump(result_json(o)));
  if (json outs = outs_json(o); !outs.is_null()) reply.append(",\"out\":").append(dump(outs));
  if (is_finding(row, o)) {
    reply.append(",\"finding\":true,\"message\":")
        .append(dump(describe_result(row, o.number, lang)));
    set_status(status, kFindings);
  }
  reply += '}';
  return reply;
}

// A JSON reader's fault in the words of a request.
std::string json_fault(const json::exception& e, std::string_view line) {
  const auto* parse = dynamic_cast<const json::parse_error*>(&e);
  if (!parse) return "a number too large for any argument";
  std::string what = parse->what();
  std::string at = " at column " + std::to_string(parse->byte);
  if (what.find("UTF-8") != std::string::npos) return "text that is not UTF-8" + at;
  if (what.find("surrogate") != std::string::npos)
    return "a \\u escape of half a character (an unpaired surrogate)" + at;
  if (what.find("control character") != std::string::npos)
    return "a control character inside a text" + at + "; write it as an escape such as \\t";
  if (parse->byte > line.size())
    return "the line ends before the request does; is a bracket or a quote not closed?";
  return "not JSON" + at + R"(; a request reads {"fn": "NAME", "args": [...]})";
}

// A run over many lines: its counts, its progress on a terminal and its summary.
class Run {
 public:
  explicit Run(CheckerStreams& io) : io_(io), start_(Clock::now()), shown_(start_) {}

  // Writes one reply; false when the output can no longer be written.
  bool reply(const std::string& text, int line_status) {
    ++lines_;
    findings_ += line_status == kFindings;
    errors_ += line_status == kUsageOrInputError;
    set_status(status_, line_status);
    io_.out << text << '\n';
    if (io_.progress && lines_ % 256 == 0) show();
    return static_cast<bool>(io_.out);
  }
  // A fault of the run itself (a file that cannot be read).
  void fault(const std::string& what) {
    end_progress();
    io_.err << "olvenir-check: " << what << '\n';
    set_status(status_, kUsageOrInputError);
  }
  int finish() {
    end_progress();
    io_.err << "olvenir-check: " << lines_ << (lines_ == 1 ? " line, " : " lines, ") << findings_
            << (findings_ == 1 ? " finding, " : " findings, ") << errors_
            << (errors_ == 1 ? " error\n" : " errors\n");
    return status_;
  }

 private:
  using Clock = std::chrono::steady_clock;
  void show() {
    Clock::time_point now = Clock::now();
    if (now - start_ >= kProgressAfter && now - shown_ >= kProgressEvery) {
      io_.err << "\rolvenir-check: " << lines_ << " lines" << std::flush;
      shown_ = now;
      showing_ = true;
    }
  }
  void end_progress() {
    if (showing_) io_.err << '\n';
    showing_ = false;
  }

  CheckerStreams& io_;
  Clock::time_point start_;
  Clock::time_point shown_;
  bool showing_ = false;
  std::size_t lines_ = 0;
  std::size_t findings_ = 0;
  std::size_t errors_ = 0;
  int status_ = kAllPassed;
};

// Opens a named input, or says why it cannot be read.
bool open_input(const std::string& path, std::ifstream& file, std::string& error) {
  struct stat info;
  if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    error = path + ": is a directory, not a file";
    return false;
  }
  file.open(path, std::ios::binary);
  if (!file) error = "cannot read " + path + ": " + std::strerror(errno);
  return static_cast<bool>(file);
}

// Answers every line of one input; false when the output failed.
bool batch_lines(std::istream& in, const std::string* file, Run& run, Language lang) {
  std::string line;
  std::size_t number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (is_blank_line(line)) continue;
    int line_status = kAllPassed;
    std::string reply = answer_line(line, number, lang, line_status);
    if (file) reply.insert(1, "\"file\":" + dump(*file) + ",");
    if (!run.reply(reply, line_status)) return false;
  }
  return true;
}

int batch(const Options& options, CheckerStreams& io) {
  Run run(io);
  std::vector<std::string> files = options.batch_files;
  if (files.empty()) files.push_back("-");
  bool named = files.size() > 1;
  for (const std::string& path : files) {
    const std::string* file = named ? &path : nullptr;
    bool written = true;
    if (path == "-") {
      written = batch_lines(io.in, file, run, options.language);
    } else {
      std::ifstream in;
      std::string error;
      if (!open_input(path, in, error)) {
        run.fault(error);
        continue;
      }
      written = batch_lines(in, file, run, options.language);
    }
    if (!written) break;
  }
  return run.finish();
}

// The value of an --each line as the argument it stands for: a text as it is, any other kind
// read as a command-line word.
bool each_value(std::string_view line, ParamKind kind, json& out, std::string& error) {
  if (kind == ParamKind::kText || kind == ParamKind::kMutableText) {
    if (!utf16_from_utf8(line)) {
      error = "the value is not UTF-8 text";
      return false;
    }
    out = std::string(line);
    return true;
  }
  return json_from_word(line, kind, out, error);
}

int each(const Options& options, CheckerStreams& io) {
  const TypedExport* row = find_typed_export(options.name);
  if (!row) {
    io.err << "olvenir-check: no export named " << options.name << " (see --list)\n";
    return kUsageOrInputError;
  }
  json args = json::array();
  std::size_t place = options.words.size();
  for (std::size_t i = 0; i < options.words.size(); ++i) {
    json j;
    std::string error;
    if (options.words[i] == kEachValue) {
      place = i;
    } else if (!json_from_word(options.words[i], param_kind_at(*row, i), j, error)) {
      io.err << "olvenir-check: " << row->name << " argument " << i + 1 << ": " << error << '\n';
      return kUsageOrInputError;
    }
    args.push_back(std::move(j));
  }
  std::ifstream file;
  std::istream* in = &io.in;
  if (!options.input_file.empty() && options.input_file != "-") {
    std::string error;
    if (!open_input(options.input_file, file, error)) {
      io.err << "olvenir-check: " << error << '\n';
      return kUsageOrInputError;
    }
    in = &file;
  }
  Run run(io);
  const std::string name = row->name;
  const ParamKind kind = param_kind_at(*row, place);
  std::string line;
  for (std::size_t number = 1; std::getline(*in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Request request{number, nullptr, &line, &name};
    int line_status = kAllPassed;
    std::string error;
    std::string reply = each_value(line, kind, args[place], error)
                            ? call_reply(request, *row, args, options.language, line_status)
                            : error_reply(request, "the value: " + error, line_status);
    if (!run.reply(reply, line_status)) break;
  }
  return run.finish();
}

int run_mode(const Options& options, CheckerStreams& io) {
  switch (options.mode) {
    case Mode::kHelp:
      io.out << usage();
      return kAllPassed;
    case Mode::kVersion:
      io.out << "olvenir-check " OLV_VERSION "\n";
      return kAllPassed;
    case Mode::kList:
      if (options.listing == Listing::kTypes) return list_element_types(io.out, options);
      return list_exports(io.out, options.json);
    case Mode::kExplain:
      return explain(options, io.out, io.err);
    case Mode::kCall:
      return call_one(options, io.out, io.err);
    case Mode::kBatch:
      return batch(options, io);
    case Mode::kEach:
      return each(options, io);
  }
  return kUsageOrInputError;
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
  return o.kind == ResultKind::kInt && o.number != 0 && answer_is_fault(row, o.number);
}

bool is_blank_line(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

std::string answer_line(const std::string& raw, std::size_t number, Language lang, int& status) {
  std::string_view line = raw;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  Request r{number};
  if (is_blank_line(line)) return error_reply(r, "an empty line, not a request", status);
  json request;
  try {
    request = json::parse(line);
  } catch (const json::exception& e) {
    // A syntax error, or a number beyond a double (out_of_range), which the parser throws too.
    return error_reply(r, json_fault(e, line), status);
  }
  if (!request.is_object())
    return error_reply(r, R"(a request is a JSON object {"fn": "NAME", "args": [...]})", status);
  if (auto found = request.find("id"); found != request.end()) r.id = &*found;
  auto fn = request.find("fn");
  if (fn == request.end() || !fn->is_string())
    return error_reply(r, R"(no export named: "fn" must be the export's name as a text)", status);
  r.name = &fn->get_ref<const std::string&>();
  const TypedExport* row = find_typed_export(*r.name);
  if (!row) return error_reply(r, "no export named \"" + *r.name + "\" (see --list)", status);
  json no_args = json::array();
  auto args = request.find("args");
  const json& arguments = args == request.end() ? no_args : *args;
  if (!arguments.is_array())
    return error_reply(r, R"("args" must be a list of the arguments, [...])", status);
  return call_reply(r, *row, arguments, lang, status);
}

std::string usage() {
  return R"(usage: olvenir-check [OPTIONS] NAME ARG...        call one export by name
       olvenir-check [OPTIONS] --batch [FILE...]    JSON Lines requests from the FILEs or
                                                    standard input
       olvenir-check [OPTIONS] --each NAME ARG...   call NAME once per line of standard input
                                                    (or --input FILE), the line's value in
                                                    place of the argument written {}
       olvenir-check --list [--json]                every export with its kind and parameters
       olvenir-check --list --types [--json]        the element types of f_KVTElem
       olvenir-check [--lang en|pl] --explain CODE...
options:
  --dictionary FILE   answer dictionary queries from this database
  --no-dictionary     no dictionary service: the library's own format tests of a code still
                      reject, a code that passes them is accepted, and lookups give "-1"
  --lang en|pl        the language of the messages (default from LANG)
  --input FILE        the values of --each
  --json              --list as JSON Lines
  --types             --list the element types of f_KVTElem instead of the exports
  --markdown          --list --types as the Markdown table of docs/element-types.md
  -h, --help          this text
  --version           the version
Options take their value as --option VALUE or --option=VALUE.
By default dictionary queries are answered by the embedded sample dictionary (sample data).
Arguments: texts in UTF-8; :null is a null pointer, :empty (or '') the empty text, ::TEXT a text
beginning with a colon, :json:VALUE any JSON value (lists, conditions, code tables, and
{"units": [...]} for raw UTF-16 units); numbers in decimal or 0x hexadecimal, true or false.
Batch lines: {"fn": "XP0088_1", "args": ["a", null]}; one JSON result line per line, blank lines
skipped; a summary (lines, findings, errors) on standard error.
Exit status: 0 every check passed, 1 a finding was returned, 2 usage or input error (or the
results could not be written).
)";
}

bool parse_options(const std::vector<std::string>& args, Options& o, std::string& error) {
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
  const char* kOneMode = "only one of --list, --explain, --batch, --each, --help, --version";
  o.language = language_from_environment();
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    std::string a = args[i];
    if (a == "--") {
      ++i;
      break;
    }
    if (a.size() < 2 || a[0] != '-') {
      if (o.mode == Mode::kBatch) {
        o.batch_files.push_back(a);
        continue;
      }
      break;
    }
    std::string value;
    const bool has_value = split_long_option(a, value);
    // The option's value: after '=', or the next argument.
    auto take_value = [&] {
      if (has_value) return true;
      if (i + 1 == args.size()) return false;
      value = args[++i];
      return true;
    };
    auto flag = [&](const char* name) { return a == name && !has_value; };
    if (flag("--list")) {
      if (!set_mode(Mode::kList)) return fail(kOneMode);
    } else if (flag("--json")) {
      o.json = true;
    } else if (flag("--types")) {
      o.listing = Listing::kTypes;
    } else if (flag("--markdown")) {
      o.markdown = true;
    } else if (flag("--help") || flag("-h")) {
      if (!set_mode(Mode::kHelp)) return fail(kOneMode);
    } else if (flag("--version")) {
      if (!set_mode(Mode::kVersion)) return fail(kOneMode);
    } else if (a == "--explain") {
      if (!set_mode(Mode::kExplain)) return fail(kOneMode);
      // Codes never begin with "--"; a following option means the codes are missing.
      if (!has_value && (i + 1 == args.size() || args[i + 1].compare(0, 2, "--") == 0))
        return fail("--explain takes a code");
      take_value();
      o.words = {value};
      while (i + 1 < args.size() && args[i + 1].compare(0, 2, "--") != 0)
        o.words.push_back(args[++i]);
    } else if (a == "--batch") {
      if (!set_mode(Mode::kBatch)) return fail(kOneMode);
      if (has_value) o.batch_files.push_back(value);
    } else if (flag("--each")) {
      if (!set_mode(Mode::kEach)) return fail(kOneMode);
    } else if (a == "--input") {
      if (!take_value()) return fail("--input takes a file");
      o.input_file = value;
    } else if (a == "--dictionary") {
      if (!take_value()) return fail("--dictionary takes a file");
      if (o.dictionary == DictionaryChoice::kNone)
        return fail("--dictionary or --no-dictionary, not both");
      o.dictionary = DictionaryChoice::kFile;
      o.dictionary_file = value;
    } else if (flag("--no-dictionary")) {
      if (o.dictionary == DictionaryChoice::kFile)
        return fail("--dictionary or --no-dictionary, not both");
      o.dictionary = DictionaryChoice::kNone;
    } else if (a == "--lang") {
      if (!take_value() || (value != "en" && value != "pl")) return fail("--lang takes en or pl");
      o.language = value == "pl" ? Language::kPolish : Language::kEnglish;
    } else {
      return fail("unknown option " + args[i]);
    }
  }
  std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  if (o.mode == Mode::kBatch) {
    o.batch_files.insert(o.batch_files.end(), rest.begin(), rest.end());
    rest.clear();
  }
  if (o.json && o.mode != Mode::kList) return fail("--json goes with --list");
  if (o.listing == Listing::kTypes && o.mode != Mode::kList)
    return fail("--types goes with --list");
  if (o.markdown && (o.listing != Listing::kTypes || o.json))
    return fail("--markdown goes with --list --types, without --json");
  if (!o.input_file.empty() && o.mode != Mode::kEach) return fail("--input goes with --each");
  if (!rest.empty()) {
    if (mode_set && o.mode != Mode::kEach) return fail("unexpected argument " + rest[0]);
    if (!mode_set) o.mode = Mode::kCall;
    o.name = rest[0];
    o.words.assign(rest.begin() + 1, rest.end());
    mode_set = true;
  }
  if (!mode_set) return fail("no export named");
  if (o.mode == Mode::kEach) {
    if (o.name.empty()) return fail("--each takes an export's name and its arguments");
    if (std::count(o.words.begin(), o.words.end(), kEachValue) != 1)
      return fail("--each takes exactly one argument written {}, the place of each value");
  }
  return true;
}

int run_checker(const Options& options, CheckerStreams& io) {
  int status = run_mode(options, io);
  // A write that failed earlier left its reason in errno; the flush leaves its own.
  if (io.out) errno = 0;
  if (!io.out.flush()) {
    io.err << "olvenir-check: cannot write the results"
           << (errno ? std::string(": ") + std::strerror(errno) : std::string()) << '\n';
    return kUsageOrInputError;
  }
  return status;
}

}  // namespace olv

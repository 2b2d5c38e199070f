// A C# host: the library's exports declared as a Windows program declares them, called by name.
using System;
using System.IO;
using System.Text.RegularExpressions;
using System.Runtime.InteropServices;

// The entry name of each type-decorated export: the Windows compiler's decoration of its declared
// type in the DLL, the Itanium symbol in the Linux shared library. Plain names are the same on all.
#if WIN64
static class Entry {
  public const string f_KVTElem = "?f_KVTElem@@YAHFPEA_WH@Z";
  public const string f_KVTElemT_PESEL = "?f_KVTElemT_PESEL@@YAHPEA_W@Z";
  public const string KVTDelSpacjeStrcmp = "?KVTDelSpacjeStrcmp@@YAHPEA_W0@Z";
  public const string DataStr2Long = "?DataStr2Long@@YAJPEB_W@Z";
  public const string DDMMtol = "?DDMMtol@@YAJPEB_W@Z";
}
#elif WIN32
static class Entry {
  public const string f_KVTElem = "?f_KVTElem@@YAHFPA_WH@Z";
  public const string f_KVTElemT_PESEL = "?f_KVTElemT_PESEL@@YAHPA_W@Z";
  public const string KVTDelSpacjeStrcmp = "?KVTDelSpacjeStrcmp@@YAHPA_W0@Z";
  public const string DataStr2Long = "?DataStr2Long@@YAJPB_W@Z";
  public const string DDMMtol = "?DDMMtol@@YAJPB_W@Z";
}
#else
static class Entry {
  public const string f_KVTElem = "_Z9f_KVTElemsPDsi";
  public const string f_KVTElemT_PESEL = "_Z16f_KVTElemT_PESELPDs";
  public const string KVTDelSpacjeStrcmp = "_Z18KVTDelSpacjeStrcmpPDsS_";
  public const string DataStr2Long = "_Z12DataStr2LongPKDs";
  public const string DDMMtol = "_Z7DDMMtolPKDs";
}
#endif

static class Olvenir {
  const string Lib = "olvenir_p";

  [DllImport(Lib, EntryPoint = "XP0088_1", CharSet = CharSet.Unicode,
             CallingConvention = CallingConvention.Cdecl)]
  public static extern int XP0088_1(string p1, string p2);

  [DllImport(Lib, EntryPoint = Entry.f_KVTElem, CharSet = CharSet.Unicode,
             CallingConvention = CallingConvention.Cdecl)]
  public static extern int f_KVTElem(short type, string text, int maxLength);

  [DllImport(Lib, EntryPoint = Entry.f_KVTElemT_PESEL, CharSet = CharSet.Unicode,
             CallingConvention = CallingConvention.Cdecl)]
  public static extern int f_KVTElemT_PESEL(string text);

  [DllImport(Lib, EntryPoint = Entry.KVTDelSpacjeStrcmp, CharSet = CharSet.Unicode,
             CallingConvention = CallingConvention.Cdecl)]
  public static extern int KVTDelSpacjeStrcmp(string a, string b);

  [DllImport(Lib, EntryPoint = Entry.DataStr2Long, CharSet = CharSet.Unicode,
             CallingConvention = CallingConvention.Cdecl)]
  public static extern int DataStr2Long(string date);

  [DllImport(Lib, EntryPoint = Entry.DDMMtol, CharSet = CharSet.Unicode,
             CallingConvention = CallingConvention.Cdecl)]
  public static extern int DDMMtol(string dayMonth);

#if WIN32 || WIN64
  // KVTDelSpacje as the DLL exports it: the trimmed text as a BSTR, which the marshaller frees.
  [DllImport(Lib, EntryPoint = "KVTDelSpacjeBSTR", CharSet = CharSet.Unicode,
             CallingConvention = CallingConvention.Cdecl)]
  [return: MarshalAs(UnmanagedType.BStr)]
  public static extern string KVTDelSpacjeBSTR(string text);
#endif
}

static class Host {
  // One row's answer as text (a result code as its digits), or null where this platform has no
  // such export. The dispatcher's type and maximum length are written as numbers.
  static string Call(string name, string[] a) {
    switch (name) {
      case "XP0088_1": return Olvenir.XP0088_1(a[0], a[1]).ToString();
      case "f_KVTElem":
        return Olvenir.f_KVTElem(short.Parse(a[0]), a[1], int.Parse(a[2])).ToString();
      case "f_KVTElemT_PESEL": return Olvenir.f_KVTElemT_PESEL(a[0]).ToString();
      case "KVTDelSpacjeStrcmp": return Olvenir.KVTDelSpacjeStrcmp(a[0], a[1]).ToString();
      case "DataStr2Long": return Olvenir.DataStr2Long(a[0]).ToString();
      case "DDMMtol": return Olvenir.DDMMtol(a[0]).ToString();
#if WIN32 || WIN64
      case "KVTDelSpacjeBSTR": return Olvenir.KVTDelSpacjeBSTR(a[0]);
#else
      case "KVTDelSpacjeBSTR": return null;
#endif
    }
    throw new ArgumentException("no declaration for " + name);
  }

  // A field of the table: "(null)" is the null pointer, \uXXXX one UTF-16 unit.
  static string Field(string field) {
    if (field == "(null)") return null;
    return Regex.Replace(field, @"\\u([0-9A-Fa-f]{4})",
                         m => ((char)Convert.ToUInt16(m.Groups[1].Value, 16)).ToString());
  }

  // Calls every row of the table named by the first argument; exits 1 on any wrong answer.
  static int Main(string[] argv) {
    int passed = 0, failed = 0, skipped = 0;
    foreach (string line in File.ReadAllLines(argv[0])) {
      if (line.Length == 0 || line[0] == '#') continue;
      string[] row = line.Split('\t');
      string[] args = new string[row.Length - 2];
      for (int i = 0; i < args.Length; ++i) args[i] = Field(row[i + 2]);
      string want = Field(row[1]);
      string got = Call(row[0], args);
      if (got == null) {
        ++skipped;
      } else if (got == want) {
        ++passed;
      } else {
        ++failed;
        Console.Error.WriteLine("{0}({1}) = \"{2}\", want \"{3}\"", row[0],
                                string.Join(", ", row, 2, args.Length), got, row[1]);
      }
    }
    Console.WriteLine("{0} passed, {1} failed, {2} skipped", passed, failed, skipped);
    return failed == 0 && passed > 0 ? 0 : 1;
  }
}

{ A Free Pascal host: the exports declared as a Delphi program declares them, called by name. }
program host;

{$mode objfpc}{$H+}
{$codepage utf8}

uses
  SysUtils;

{ The entry name of each type-decorated export: the Windows compiler's decoration of its
  declared type in the DLL, the Itanium symbol in the Linux shared library. Plain names are the
  same on all. }
const
{$IFDEF WINDOWS}
  Lib = 'olvenir_p.dll';
{$IFDEF CPU64}
  Entry_f_KVTElem = '?f_KVTElem@@YAHFPEA_WH@Z';
  Entry_f_KVTElemT_PESEL = '?f_KVTElemT_PESEL@@YAHPEA_W@Z';
  Entry_KVTDelSpacjeStrcmp = '?KVTDelSpacjeStrcmp@@YAHPEA_W0@Z';
  Entry_DataStr2Long = '?DataStr2Long@@YAJPEB_W@Z';
  Entry_DDMMtol = '?DDMMtol@@YAJPEB_W@Z';
{$ELSE}
  Entry_f_KVTElem = '?f_KVTElem@@YAHFPA_WH@Z';
  Entry_f_KVTElemT_PESEL = '?f_KVTElemT_PESEL@@YAHPA_W@Z';
  Entry_KVTDelSpacjeStrcmp = '?KVTDelSpacjeStrcmp@@YAHPA_W0@Z';
  Entry_DataStr2Long = '?DataStr2Long@@YAJPB_W@Z';
  Entry_DDMMtol = '?DDMMtol@@YAJPB_W@Z';
{$ENDIF}
{$ELSE}
  Lib = 'olvenir_p';
  Entry_f_KVTElem = '_Z9f_KVTElemsPDsi';
  Entry_f_KVTElemT_PESEL = '_Z16f_KVTElemT_PESELPDs';
  Entry_KVTDelSpacjeStrcmp = '_Z18KVTDelSpacjeStrcmpPDsS_';
  Entry_DataStr2Long = '_Z12DataStr2LongPKDs';
  Entry_DDMMtol = '_Z7DDMMtolPKDs';
{$ENDIF}

function XP0088_1(p1, p2: PWideChar): LongInt; cdecl; external Lib name 'XP0088_1';
function f_KVTElem(elementType: SmallInt; text: PWideChar; maxLength: LongInt): LongInt; cdecl;
  external Lib name Entry_f_KVTElem;
function f_KVTElemT_PESEL(text: PWideChar): LongInt; cdecl;
  external Lib name Entry_f_KVTElemT_PESEL;
function KVTDelSpacjeStrcmp(a, b: PWideChar): LongInt; cdecl;
  external Lib name Entry_KVTDelSpacjeStrcmp;
function DataStr2Long(date: PWideChar): LongInt; cdecl; external Lib name Entry_DataStr2Long;
function DDMMtol(dayMonth: PWideChar): LongInt; cdecl; external Lib name Entry_DDMMtol;

{$IFDEF WINDOWS}
{ KVTDelSpacje as the DLL exports it: the trimmed text as a BSTR, which the caller frees. }
function KVTDelSpacjeBSTR(text: PWideChar): PWideChar; cdecl; external Lib name 'KVTDelSpacjeBSTR';
function SysStringLen(bstr: PWideChar): LongWord; stdcall; external 'oleaut32.dll';
procedure SysFreeString(bstr: PWideChar); stdcall; external 'oleaut32.dll';

function Trimmed(text: PWideChar): UnicodeString;
var
  bstr: PWideChar;
begin
  bstr := KVTDelSpacjeBSTR(text);
  SetString(Result, bstr, SysStringLen(bstr));
  SysFreeString(bstr);
end;
{$ENDIF}

{ A field of the table: '(null)' is the null pointer, \uXXXX one UTF-16 unit. }
function Field(const utf8: string; out isNull: Boolean): UnicodeString;
var
  units: UnicodeString;
  i: Integer;
begin
  isNull := utf8 = '(null)';
  units := UTF8Decode(utf8);
  Result := '';
  i := 1;
  while i <= Length(units) do
    if (units[i] = '\') and (i + 5 <= Length(units)) and (units[i + 1] = 'u') then
    begin
      Result := Result + WideChar(StrToInt('$' + string(Copy(units, i + 2, 4))));
      Inc(i, 6);
    end
    else
    begin
      Result := Result + units[i];
      Inc(i);
    end;
end;

function Code(resultCode: LongInt): UnicodeString;
begin
  Result := UnicodeString(IntToStr(resultCode));
end;

{ One row's answer as text (a result code as its digits); false where this platform has no
  such export. The dispatcher's type and maximum length are written as numbers. }
function Call(const row: TStringArray; out answer: UnicodeString): Boolean;
var
  texts: array[0..2] of UnicodeString;
  a: array[0..2] of PWideChar;
  isNull: Boolean;
  i: Integer;
begin
  for i := 0 to 2 do
  begin
    a[i] := nil;
    texts[i] := '';
    if i + 2 >= Length(row) then
      Continue;
    texts[i] := Field(row[i + 2], isNull);
    if not isNull then
      a[i] := PWideChar(texts[i]);
  end;
  Result := True;
  case row[0] of
    'XP0088_1': answer := Code(XP0088_1(a[0], a[1]));
    'f_KVTElem': answer := Code(f_KVTElem(StrToInt(row[2]), a[1], StrToInt(row[4])));
    'f_KVTElemT_PESEL': answer := Code(f_KVTElemT_PESEL(a[0]));
    'KVTDelSpacjeStrcmp': answer := Code(KVTDelSpacjeStrcmp(a[0], a[1]));
    'DataStr2Long': answer := Code(DataStr2Long(a[0]));
    'DDMMtol': answer := Code(DDMMtol(a[0]));
{$IFDEF WINDOWS}
    'KVTDelSpacjeBSTR': answer := Trimmed(a[0]);
{$ELSE}
    'KVTDelSpacjeBSTR': Result := False;
{$ENDIF}
  else
    raise Exception.Create('no declaration for ' + row[0]);
  end;
end;

{ Calls every row of the table named by the first argument; exits 1 on any wrong answer. }
var
  table: TextFile;
  line: string;
  row: TStringArray;
  got: UnicodeString;
  isNull: Boolean;
  passed, failed, skipped: LongInt;
begin
  passed := 0;
  failed := 0;
  skipped := 0;
  AssignFile(table, ParamStr(1));
  Reset(table);
  while not Eof(table) do
  begin
    ReadLn(table, line);
    if (line = '') or (line[1] = '#') then
      Continue;
    row := line.Split([#9]);
    if not Call(row, got) then
      Inc(skipped)
    else if got = Field(row[1], isNull) then
      Inc(passed)
    else
    begin
      Inc(failed);
      WriteLn(ErrOutput, row[0], '(', string.Join(', ', row, 2, Length(row) - 2), ') = "',
        UTF8Encode(got), '", want "', row[1], '"');
    end;
  end;
  CloseFile(table);
  WriteLn(passed, ' passed, ', failed, ' failed, ', skipped, ' skipped');
  if (failed <> 0) or (passed = 0) then
    Halt(1);
end.

// The demo form's checks: each field by its own check as it is typed, then the rules that relate
// the filled fields; every finding shown next to its fields with its code and message.
import { load } from '../js/index.mjs';

// The page's own words, in both languages; the findings' texts come from the library.
const WORDS = {
  pl: {
    title: 'Zgłoszenie osoby ubezpieczonej', language: 'Język', loading: 'Wczytywanie kontroli…',
    ready: 'Pola są sprawdzane w trakcie wpisywania.', failed: 'Nie udało się wczytać kontroli.',
    identity: 'Dane identyfikacyjne', first_name: 'Imię', surname: 'Nazwisko',
    birth_date: 'Data urodzenia (DDMMRRRR)', document: 'Dokument tożsamości',
    document_type: 'Rodzaj dokumentu', none: '—', id_card: '1: dowód osobisty', passport: '2: paszport',
    document_number: 'Seria i numer dokumentu', insurance: 'Ubezpieczenie',
    account: 'Numer rachunku bankowego', title_code: 'Kod tytułu ubezpieczenia',
    period_from: 'Okres od (DDMMRRRR)', period_to: 'Okres do (DDMMRRRR)',
    not_in_dictionary: 'kod spoza słownika (lub nieważny w dacie „okres od”)',
    unknown: 'nieznany wynik kontroli',
  },
  en: {
    title: 'Registration of an insured person', language: 'Language', loading: 'Loading the checks…',
    ready: 'Fields are checked as you type.', failed: 'The checks could not be loaded.',
    identity: 'Identification', first_name: 'First name', surname: 'Surname',
    birth_date: 'Birth date (DDMMRRRR)', document: 'Identity document',
    document_type: 'Document type', none: '—', id_card: '1: identity card', passport: '2: passport',
    document_number: 'Document series and number', insurance: 'Insurance',
    account: 'Bank account number', title_code: 'Insurance title code',
    period_from: 'Period from (DDMMRRRR)', period_to: 'Period to (DDMMRRRR)',
    not_in_dictionary: 'not a code of the list (or not valid on the "period from" date)',
    unknown: 'unknown check answer',
  },
};

// Each field's own check: the export and its arguments, given the form's values.
const FIELD_CHECKS = {
  pesel: (v) => ['f_KVTElem', 121, v.pesel, 11],
  nip: (v) => ['f_KVTElemT_NIP', v.nip],
  regon: (v) => ['f_KVTElemT_REGON', v.regon],
  first_name: (v) => ['f_KVTElemT_LANCUCH_IMIE', v.first_name],
  surname: (v) => ['f_KVTElemT_LANCUCH_NAZWISKO', v.surname],
  birth_date: (v) => ['f_KVTElemT_DATA_DDMMRRRR', v.birth_date],
  document_type: (v) => ['fb_KVTPoleRodzajDokumentu', v.document_type],
  document_number: (v) =>
    v.document_type === '2' ? ['f_KVTElemT_PASZPORT', v.document_number] : ['f_KVTElemT_DOWOD_NOWY_I_STARY', v.document_number],
  account: (v) => ['f_KVTElemT_NR_RACH_BANKOWEGO', v.account],
  title_code: (v) => ['fb_KVTKodSprawdzArkusze', 10003, v.title_code, v.period_from || null],
  period_from: (v) => ['f_KVTElemT_DATA_DDMMRRRR', v.period_from],
  period_to: (v) => ['f_KVTElemT_DATA_DDMMRRRR', v.period_to],
};

// The rules that relate two fields: checked when both are filled, shown next to both.
const RULES = [
  { fields: ['birth_date', 'pesel'], call: (v) => ['GP0009_1', v.birth_date, v.pesel] },
  { fields: ['period_from', 'period_to'], call: (v) => ['GB0022_2', v.period_from, v.period_to] },
];

const form = document.querySelector('form');
const langSelect = document.querySelector('select[name="lang"]');
const status = document.querySelector('.status');
let olv = null;

const lang = () => (langSelect.value === 'en' ? 'en' : 'pl');

function values() {
  const v = {};
  for (const name of Object.keys(FIELD_CHECKS)) v[name] = form.elements[name].value;
  return v;
}

// The catalogue's text without the list of exports that return the code.
function message(code) {
  if (code === -1) return WORDS[lang()].not_in_dictionary;
  const text = olv.explain(code, lang());
  return text ? text.split('; ')[0] : WORDS[lang()].unknown;
}

function findings() {
  const v = values();
  const found = Object.fromEntries(Object.keys(FIELD_CHECKS).map((name) => [name, []]));
  for (const [name, check] of Object.entries(FIELD_CHECKS)) {
    if (v[name] === '') continue;
    const [exportName, ...args] = check(v);
    const code = olv.call(exportName, ...args);
    if (code !== 0) found[name].push(code);
  }
  for (const rule of RULES) {
    if (rule.fields.some((f) => v[f] === '')) continue;
    const [exportName, ...args] = rule.call(v);
    const code = olv.call(exportName, ...args);
    if (code !== 0) for (const f of rule.fields) found[f].push(code);
  }
  return found;
}

function show() {
  if (!olv) return;
  for (const [name, codes] of Object.entries(findings())) {
    const box = document.querySelector(`[data-findings-for="${name}"]`);
    const field = form.elements[name];
    box.replaceChildren(
      ...codes.map((code) => {
        const p = document.createElement('p');
        const c = document.createElement('code');
        c.textContent = String(code);
        p.append(c, ' ', message(code));
        return p;
      }),
    );
    field.setAttribute('aria-invalid', codes.length ? 'true' : 'false');
  }
}

function translate() {
  const words = WORDS[lang()];
  document.documentElement.lang = lang();
  for (const el of document.querySelectorAll('[data-text]')) el.textContent = words[el.dataset.text];
  document.title = words.title;
  if (olv) status.textContent = words.ready;
  show();
}

form.addEventListener('input', show);
form.addEventListener('change', show);
langSelect.addEventListener('change', translate);

try {
  olv = await load();
  status.textContent = WORDS[lang()].ready;
  document.body.dataset.ready = 'true';
  show();
} catch (e) {
  status.textContent = `${WORDS[lang()].failed} ${e.message}`;
  throw e;
}

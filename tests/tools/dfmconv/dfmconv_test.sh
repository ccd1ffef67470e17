#!/bin/sh
# dfmconv_test.sh DFMCONV CORPUS_DIR WORK_DIR
set -u
tool=$1 corpus=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect_exit CODE STDERR_PATTERN ARGS...
expect_exit() {
  code=$1 pattern=$2
  shift 2
  "$tool" "$@" 2>err.txt
  got=$?
  [ "$got" -eq "$code" ] || fail "dfmconv $* exited $got, expected $code"
  [ -z "$pattern" ] || grep -q "$pattern" err.txt || fail "dfmconv $*: stderr lacks '$pattern': $(cat err.txt)"
}

# Text -> binary -> text gives the text back (the corpus file has CRLF ends).
expect_exit 0 '' text2bin "$corpus/001_Unit2.dfm" form.bin
expect_exit 0 '' bin2text form.bin form.txt
tr -d '\r' < "$corpus/001_Unit2.dfm" > expected.txt
cmp -s form.txt expected.txt || fail "text2bin + bin2text changed 001_Unit2.dfm"

# A form file converts to text and back to the same bytes.
expect_exit 0 '' bin2text "$corpus/089_PagesF.dfm" pages.txt
expect_exit 0 '' text2res pages.txt pages.dfm
cmp -s pages.dfm "$corpus/089_PagesF.dfm" || fail "bin2text + text2res changed 089_PagesF.dfm"

# Usage errors.
expect_exit 2 'usage:' 
expect_exit 2 'usage:' text2bin only-one-arg
expect_exit 2 "unknown command 'frob'" frob a b

# Bad input: a clear message, non-zero exit, and OUT neither created nor touched.
printf 'object Form1: TForm1\n  Caption = \n' > broken.txt
expect_exit 1 'on line 3' text2bin broken.txt out.bin
[ ! -e out.bin ] || fail "text2bin left out.bin behind after an error"
printf 'keep' > kept.bin
expect_exit 1 'on line 3' text2bin broken.txt kept.bin
[ "$(cat kept.bin)" = keep ] || fail "text2bin overwrote OUT after an error"
printf 'TPF0\006TForm1' > truncated.bin
expect_exit 1 'end of stream' bin2text truncated.bin out.txt
[ ! -e out.txt ] || fail "bin2text left out.txt behind after an error"
printf 'XXXX' > notaform.bin
expect_exit 1 'Invalid stream format' bin2text notaform.bin out.txt
expect_exit 1 'Cannot open file' bin2text missing.bin out.txt
printf 'object A: TA\nend\nobject B: TB\nend\n' > two.txt
expect_exit 1 'after the end of the form' text2bin two.txt out.bin
ls *.dfmconv-tmp >/dev/null 2>&1 && fail "a temporary file was left behind"

[ "$failures" -eq 0 ] && echo "all dfmconv checks passed"
exit "$failures"

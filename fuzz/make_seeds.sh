#!/bin/sh
# make_seeds.sh DFMCONV CORPUS_DIR SEEDS_DIR
# Text seeds: the corpus text files. Binary seeds: the corpus form files and
# the binary streams of the text files.
set -eu
tool=$1 corpus=$2 seeds=$3
mkdir -p "$seeds/TextToBinaryFuzzer" "$seeds/BinaryToTextFuzzer"
for f in "$corpus"/*.dfm "$corpus"/*.lfm; do
  name=$(basename "$f")
  if [ "$(head -c 1 "$f" | od -An -tx1 | tr -d ' ')" = ff ]; then
    cp "$f" "$seeds/BinaryToTextFuzzer/$name"
  else
    cp "$f" "$seeds/TextToBinaryFuzzer/$name"
    "$tool" text2bin "$f" "$seeds/BinaryToTextFuzzer/$name.bin" || true
  fi
done

#!/usr/bin/env bash
# Archives made by twenty other archivers (the lhasa sources' test archives,
# damaged ones among them), listed and extracted through the UNLHA32.dll
# beside the program, called as the program calls it, and compared with
# what lhasa's own command extracts: the same members under the same paths
# (lhasa may lower their capitals), the same bytes; a member our library
# refuses leaves no file. In the regression archives, made to attack an
# extractor with paths and links, our library takes no folder from a name,
# so it only has to keep every file in its own folder. The CP/M-era archiver's -pm?- archives are left
# out: the library lists their members but decodes none, on purpose.
source "$(dirname "$0")/../lib.sh"
shopt -s nullglob
sources=("$TIRVANE_SOURCE"/build/deps/src/lhasa-*/test/archives)
[ ${#sources[@]} -gt 0 ] || { echo "skipped: the lhasa sources are not fetched"; exit 77; }

mkdir -p "$WORK/archives" "$WORK/lhasa" "$WORK/ours"
archives=()
k=0
while IFS= read -r -d '' archive; do
  copy=$WORK/archives/$k.${archive##*.}
  cp "$archive" "$copy"
  echo "$k ${archive#"${sources[0]}"/}" >>"$WORK/names"
  mkdir -p "$WORK/lhasa/$k"
  (cd "$WORK/lhasa/$k" && lhasa xq "$copy" >>"$WORK/lha.log" 2>&1 || true)
  archives+=("$(winpath "$copy")")
  k=$((k + 1))
done < <(find "${sources[0]}" -path '*/pmarc*' -prune -o -type f \( -name '*.lzh' -o -name '*.lzs' \) -print0 | LC_ALL=C sort -z)

run_probe "$WORK/probe.sjis" unlha_probe.exe "$(winpath "$WORK/ours")" "${archives[@]}"

python3 - "$WORK" <<'PY'
import os, sys
work = sys.argv[1]
names = dict(line.split(' ', 1) for line in open(f'{work}/names').read().splitlines())
archives, current = [], None
for line in open(f'{work}/probe.sjis', 'rb').read().replace(b'\r', b'').split(b'\n'):
    if not line:
        continue
    kind, *fields = line.split(b'\t')
    if kind == b'archive':
        current = {'members': [], 'listed': fields[1] != b'none'}
        archives.append(current)
    else:
        name, status = fields
        current['members'].append((bytes.fromhex(name.decode()), int(status)))

def lhasa_files(k):
    root = os.fsencode(f'{work}/lhasa/{k}')
    found = {}
    for folder, _, files in os.walk(root):
        for f in files:
            path = os.path.join(folder, f)
            if not os.path.islink(path):
                found[os.path.relpath(path, root).lower()] = path
    return found

problems, extracted, refused = [], 0, 0
for k, archive in enumerate(archives):
    where = names[str(k)]
    hostile = where.startswith('regression/')
    theirs = lhasa_files(k)
    if not archive['listed']:
        if theirs:
            problems.append(f'{where}: our library opens no archive, lhasa extracts {len(theirs)} files')
        continue
    ours = set()
    for m, (name, status) in enumerate(archive['members']):
        path = name.lower().lstrip(b'/')
        ours.add(path)
        folder = os.fsencode(f'{work}/ours/{k}_{m}')
        written = os.listdir(folder) if os.path.isdir(folder) else []
        if len(written) > 1 or (written and written[0] != name.split(b'/')[-1]):
            problems.append(f'{where}: {name!r} wrote {written}')
        if status != 0:
            refused += 1
            if written:
                problems.append(f'{where}: {name!r} failed ({status:#x}) but left {written}')
            never_put = any(b < 0x20 or b == 0x22 for b in name)  # the program refuses the entry itself
            if status not in (0x8004, 0x8005) and not (status == -2 and never_put):
                problems.append(f'{where}: {name!r} failed with {status:#x}, neither damaged nor unsafe')
            continue
        extracted += 1
        file = os.path.join(folder, name.split(b'/')[-1])
        if not os.path.isfile(file):
            problems.append(f'{where}: {name!r} reported done, no file')
        elif path in theirs:
            if open(file, 'rb').read() != open(theirs[path], 'rb').read():
                problems.append(f'{where}: {name!r} differs from what lhasa extracts')
        elif not hostile:
            problems.append(f'{where}: {name!r} extracted, lhasa extracts no such file')
    for path in theirs:
        if path not in ours and not hostile:
            problems.append(f'{where}: lhasa extracts {path!r}, our library lists no such member')

# Nothing anywhere else: only the members' own folders, each file directly in one.
for entry in os.listdir(f'{work}/ours'):
    if not os.path.isdir(f'{work}/ours/{entry}'):
        problems.append(f'a file outside every member folder: {entry}')
print(f'{len(archives)} archives, {extracted} members extracted and compared, {refused} refused')
for p in problems:
    print('FAIL:', p)
sys.exit(1 if problems else 0)
PY
echo "ok: every member comes out as lhasa extracts it"

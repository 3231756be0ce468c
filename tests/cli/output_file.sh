#!/usr/bin/env bash
# varnex-cli --output from outside: after any failure or signal the named file holds either its
# old bytes or the whole new output, no temporary file is left, descriptors are written as they
# stand, and a symbolic link planted by another user in a shared sticky folder is refused.
# Parts that need root (other users, a small file system), strace, or a build without sanitizers
# (memory limits) say SKIP with the reason.
# Usage: output_file.sh VARNEX_CLI [sanitized|plain]
set -uo pipefail
cli=$1
sanitized=${2:-plain}
work=$(mktemp -d)
unmount() { for m in "$work/small" "$work/ext2"; do mountpoint -q "$m" && umount "$m"; done; }
trap 'unmount; rm -rf "$work"' EXIT
chmod 755 "$work"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
skip() { echo "SKIP: $*"; }
# LeakSanitizer cannot run under ptrace or without a thread of its own, and would end a sanitized
# build with status 1 of its own; strace injects failures and signals.
noleaks=(env "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0")
traced=("${noleaks[@]}" strace -f -o /dev/null)
leftovers() { find "$work" -name '.varnex-*' -o -name '*.??????' | grep -v '\.csv$\|\.txt$'; }
range=(--from 1 --to 3000 --csv)
whole_size=$("$cli" "${range[@]}" | wc -c)

# The basics: a new file, a replaced one (its permissions kept), a missing folder, a pipe
# written where it is, "-" for standard output, a size limit that leaves the old file whole.
mkfifo "$work/pipe" && { cat "$work/pipe" >"$work/through-pipe" & }
"$cli" 2015 --output "$work/pipe"; status=$?; wait
[ "$status" = 0 ] && [ -p "$work/pipe" ] && [ "$(wc -l <"$work/through-pipe")" = 12 ] || fail "a pipe is written in place"
mkdir "$work/export" && echo old >"$work/export/events.csv" && chmod 640 "$work/export/events.csv"
(ulimit -f 8; "$cli" "${range[@]}" --output "$work/export/events.csv" 2>/dev/null); status=$?
[ "$status" = 1 ] && [ "$(cat "$work/export/events.csv")" = old ] || fail "a size limit: status $status"
"$cli" 2015 --csv --output "$work/export/events.csv" >"$work/out" && [ ! -s "$work/out" ] &&
    [ "$(wc -l <"$work/export/events.csv")" = 13 ] && [ "$(stat -c %a "$work/export/events.csv")" = 640 ] ||
    fail "a replaced file, its permissions"
"$cli" 2015 --output "$work/no/such/folder/x.txt" 2>"$work/err"; [ $? = 1 ] && grep -q "$work/no/such" "$work/err" ||
    fail "a missing folder: $(cat "$work/err")"
ln -s made.txt "$work/export/dangling.txt" && "$cli" 2015 --events june --output "$work/export/dangling.txt" &&
    [ -L "$work/export/dangling.txt" ] && grep -q June "$work/export/made.txt" || fail "a dangling link gets its target"
[ "$("$cli" 2015 --events march --output -)" = "$("$cli" 2015 --events march)" ] || fail "--output -"

# Descriptors by name are the program's own: appended to as the shell opened them, kept
# between other lines, written into a pipe; a closed one is an error.
cd "$work" || exit 1
echo old >log.txt
"$cli" 2015 --events march --output /dev/stdout >>log.txt && "$cli" 2015 --events june --output /proc/self/fd/1 >>log.txt
[ "$(wc -l <log.txt)" = 3 ] && head -1 log.txt | grep -qx old || fail "/dev/stdout >> log: $(cat log.txt)"
{ echo HEADER; "$cli" 2015 --events march --output /dev/fd/1; echo FOOTER; } >report.txt
[ "$(sed -n '1p;3p' report.txt | tr '\n' ' ')" = "HEADER FOOTER " ] || fail "between other lines: $(cat report.txt)"
[ "$("$cli" 2015 --events march --output /dev/stdout | wc -l)" = 1 ] || fail "/dev/stdout into a pipe"
ln -s /dev/stdout to-stdout && "$cli" 2015 --events march --output to-stdout >>log.txt && [ "$(wc -l <log.txt)" = 4 ] ||
    fail "a link to /dev/stdout"
"$cli" 2015 --output /dev/fd/7 2>err.txt; [ $? = 1 ] && grep -q 'Bad file descriptor' err.txt || fail "a closed descriptor"
"$cli" 2015 --output /dev/stderr 2>stderr.txt >/dev/null && [ "$(wc -l <stderr.txt)" = 12 ] || fail "/dev/stderr"

# /proc/thread-self/fd/1 and /proc/PID/fd/1 are recognised by what they lead to, not by name.
"$cli" 2015 --events december --output /proc/thread-self/fd/1 >>log.txt &&
    bash -c 'exec "$1" 2015 --events september --output /proc/$$/fd/1' _ "$cli" >>log.txt
[ "$(wc -l <log.txt)" = 6 ] && head -1 log.txt | grep -qx old || fail "/proc/thread-self/fd/1 >> log: $(cat log.txt)"
"$cli" 2015 --events march --output log.txt >>log.txt && [ "$(wc -l <log.txt)" = 7 ] || fail "--output log.txt >> log.txt"
ln -s /dev/fd/7 to-seven && "$cli" 2015 --events june --output to-seven 7>>log.txt && [ "$(wc -l <log.txt)" = 8 ] ||
    fail "a link to /dev/fd/7"

# In place, through a hard link: the space for the whole output is reserved first, so a size
# limit or a full file system leaves the old bytes.
echo old >linked.csv && ln linked.csv other.csv
(ulimit -f 100; "$cli" "${range[@]}" --output linked.csv 2>err.txt); status=$?
[ "$status" = 1 ] && [ "$(cat other.csv)" = old ] || fail "a hard link under a size limit: $status, $(wc -c <other.csv) bytes"
"$cli" "${range[@]}" --output linked.csv && [ "$(wc -c <other.csv)" = "$whole_size" ] || fail "a hard link written whole"
if [ "$(id -u)" = 0 ] && mkdir small && mount -t tmpfs -o size=16k tmpfs small 2>/dev/null; then
    echo old >small/full.csv && ln small/full.csv small/link.csv && echo old >small/alone.csv
    for name in full alone; do
        "$cli" "${range[@]}" --output "small/$name.csv" 2>err.txt; status=$?
        [ "$status" = 1 ] && [ "$(cat "small/$name.csv")" = old ] && grep -q 'No space' err.txt ||
            fail "a full file system, $name: $status, $(wc -c <"small/$name.csv") bytes, $(cat err.txt)"
    done
    [ "$(ls -A small | tr '\n' ' ')" = "alone.csv full.csv link.csv " ] || fail "left on a full file system: $(ls -A small)"
    umount small
else
    skip "a full file system: mounting a small tmpfs needs root"
fi

# A file system without fallocate (ext2): the free space is checked instead, so an output too
# large leaves the old bytes and the disk as they were (no file of zeros); one that fits is
# written whole; a write that still fails halfway puts the old bytes back.
if [ "$(id -u)" = 0 ] && mkdir ext2 && truncate -s 2M ext2.img && mkfs.ext2 -q ext2.img 2>/dev/null &&
    mount -o loop ext2.img ext2 2>/dev/null; then
    printf 'old content\n' >ext2/f.csv && ln ext2/f.csv ext2/g.csv
    free=$(stat -f -c %f ext2)
    "$cli" "${range[@]}" --output ext2/f.csv 2>err.txt; status=$?
    [ "$status" = 1 ] && [ "$(cat ext2/g.csv)" = "old content" ] && [ "$(stat -f -c %f ext2)" = "$free" ] &&
        grep -q 'No space left on device: ext2/f.csv' err.txt ||
        fail "no fallocate, too large: $status, $(wc -c <ext2/g.csv) bytes, $(cat err.txt)"
    "$cli" --from 1 --to 400 --csv --output ext2/f.csv && cmp -s ext2/g.csv <("$cli" --from 1 --to 400 --csv) ||
        fail "no fallocate, an output that fits"
    if command -v strace >/dev/null && strace -o /dev/null true 2>/dev/null; then
        # The old 779,640 bytes take 12 pwrites of 64 KiB to be copied aside; the 13th copies the new in.
        ("${traced[@]}" -e trace=pwrite64 -e inject=pwrite64:error=ENOSPC:when=14 \
            "$cli" --from 1 --to 300 --csv --output ext2/f.csv 2>/dev/null); status=$?
        [ "$status" = 1 ] && cmp -s ext2/g.csv <("$cli" --from 1 --to 400 --csv) || fail "a write that fails halfway: $status"
    fi
    umount ext2
else
    skip "a file system without fallocate: mounting an ext2 image needs root and a loop device"
fi

# Short of memory, or of threads: the output whole, or a message, status 1 and the old file.
# (A sanitizer's shadow memory does not fit under an address-space limit.)
if [ "$sanitized" = plain ] && command -v prlimit >/dev/null; then
    mapfile -t longitudes < <(awk 'BEGIN { for (i = 0; i < 20000; i++) printf "--longitude\n%.3f\n", i * 0.018 }')
    big=(2026 "${longitudes[@]}" --format json)
    "$cli" "${big[@]}" >big.json || fail "20,000 longitudes"
    echo old >limited.json && ln -f limited.json limited-link.json && echo old >alone.json
    short=0 whole=0
    for mib in 60 70 80 90 100 120 140 200; do
        for target in limited.json alone.json -; do
            [ "$target" = - ] || echo old >"$target"
            prlimit --as=$((mib << 20)) "$cli" "${big[@]}" --output "$target" >stdout.json 2>err.txt; status=$?
            file=$target; [ "$target" = - ] && file=stdout.json
            if [ "$status" = 0 ] && cmp -s "$file" big.json; then whole=$((whole + 1))
            elif [ "$status" = 1 ] && grep -q 'Cannot allocate memory' err.txt &&
                { [ "$target" = - ] || [ "$(cat "$target")" = old ]; }; then short=$((short + 1))
            else fail "$target under $mib MiB: status $status, $(wc -c <"$file") bytes, $(cat err.txt)"; fi
        done
    done
    [ "$short" -gt 0 ] && [ "$whole" -gt 0 ] || fail "the memory limits tried none of the two ends: $short short, $whole whole"
    if command -v strace >/dev/null && strace -o /dev/null true 2>/dev/null; then
        mkdir -p plain && echo old >plain/short.json  # no O_TMPFILE: the temporary name all along
        prlimit --as=$((80 << 20)) "${traced[@]}" -P "$work/plain" -e trace=openat \
            -e inject=openat:error=EOPNOTSUPP:when=1 "$cli" "${big[@]}" --output "$work/plain/short.json" 2>/dev/null
        status=$?
        [ "$status" = 1 ] && [ "$(cat plain/short.json)" = old ] && [ "$(ls -A plain)" = short.json ] ||
            fail "short of memory without O_TMPFILE: $status, $(ls -A plain | tr '\n' ' ')"
        rm plain/short.json
    fi
    [ "$(ls -A | grep -c '^\.varnex')" = 0 ] || fail "a temporary file left short of memory"
    # Thread stacks do not fit in 52 MiB: the years are made on the one thread.
    echo old >limited.json
    prlimit --as=$((52 << 20)) "$cli" "${range[@]}" --output limited.json && [ "$(wc -c <limited-link.json)" = "$whole_size" ] ||
        fail "the default --jobs under 52 MiB"
else
    skip "memory limits: the build has sanitizers, or prlimit is missing"
fi

# Signals: none leaves a temporary file (SIGKILL neither, while the file is still unnamed).
if command -v strace >/dev/null && strace -o /dev/null true 2>/dev/null; then
    # fsync: while the new file is written; linkat: once it has its temporary name.
    for signal in INT TERM HUP KILL; do
        for call in fsync linkat; do
            [ "$signal$call" = KILLlinkat ] && continue  # nothing can clean up after SIGKILL
            echo old >signalled.csv
            ("${traced[@]}" -e trace=$call -e "inject=$call:signal=SIG$signal" \
                "$cli" "${range[@]}" --output signalled.csv; true) 2>/dev/null
            [ "$(cat signalled.csv)" = old ] && [ -z "$(ls -A | grep '^\.varnex')" ] ||
                fail "SIG$signal at $call: $(ls -A | grep '^\.varnex') $(wc -c <signalled.csv) bytes"
        done
    done
    # In place (a hard link): the signal waits until the new text is whole. The old 6,000,000
    # bytes take 92 pwrites of 64 KiB to be copied aside; from the 93rd on, the new are copied in.
    head -c 6000000 /dev/zero | tr '\0' x >signalled.csv && ln -f signalled.csv linked-signalled.csv  # longer than the new
    ("${traced[@]}" -e trace=pwrite64 -e inject=pwrite64:signal=SIGTERM:when=93+ \
        "$cli" "${range[@]}" --output signalled.csv; true) 2>/dev/null
    [ "$(wc -c <linked-signalled.csv)" = "$whole_size" ] || fail "SIGTERM while writing in place: $(wc -c <linked-signalled.csv) bytes"
    # A signal ignored at start (nohup, or a background job's SIGINT) stays ignored.
    echo old >ignored.csv
    (trap '' HUP; "${traced[@]}" -e trace=fsync -e inject=fsync:signal=SIGHUP \
        "$cli" "${range[@]}" --output ignored.csv 2>/dev/null) && [ "$(wc -c <ignored.csv)" = "$whole_size" ] ||
        fail "an ignored SIGHUP"
    # Where the folder has no O_TMPFILE (injected: strace -P limits it to the folder), the file
    # has its temporary name all along: every signal that would end the program removes it.
    mkdir -p plain
    for signal in INT TERM HUP QUIT ALRM USR1 USR2 XCPU VTALRM PROF ABRT; do
        echo old >plain/a.ics
        (
            "${traced[@]}" -P "$work/plain" -e trace=openat -e inject=openat:error=EOPNOTSUPP:when=1 \
                env --default-signal="$signal" "$cli" --from 1 --to 3000 --format ics --remind 1d --remind 1w \
                --output "$work/plain/a.ics" &
            tracer=$!
            for _ in $(seq 400); do [ -n "$(ls -A plain | grep '^\.varnex')" ] && break; sleep 0.005; done
            pkill "-$signal" -P "$tracer"
            wait "$tracer"
        ) 2>/dev/null
        [ "$(cat plain/a.ics)" = old ] && [ "$(ls -A plain)" = a.ics ] ||
            fail "SIG$signal without O_TMPFILE: $(ls -A plain | tr '\n' ' ') $(wc -c <plain/a.ics) bytes"
    done
else
    skip "signals during the write: strace is missing or may not trace here"
fi

# What a replaced file keeps: owner, then permissions with setgid, extended attributes, ACLs;
# a 254-character name (the temporary name is short).
long=$(printf 'n%.0s' $(seq 254))
"$cli" 2015 --output "$long" && "$cli" 2016 --output "$long" && grep -q 2016 "$long" || fail "a 254-character name"
if [ "$(id -u)" = 0 ]; then
    echo old >kept.csv && chown 1001:1002 kept.csv && chmod 2751 kept.csv
    python3 -c 'import os,sys; os.setxattr(sys.argv[1], "user.origin", b"varnex")' kept.csv 2>/dev/null || skip "user xattrs"
    command -v setfacl >/dev/null && setfacl -m u:1003:r kept.csv
    "$cli" 2015 --csv --output kept.csv || fail "replacing kept.csv"
    [ "$(stat -c '%a %u %g' kept.csv)" = "2751 1001 1002" ] || fail "owner, setgid: $(stat -c '%a %u %g' kept.csv)"
    python3 -c 'import os,sys; sys.exit(os.getxattr(sys.argv[1], "user.origin") != b"varnex")' kept.csv 2>/dev/null ||
        fail "extended attribute lost"
    if command -v getfacl >/dev/null; then getfacl -c kept.csv 2>/dev/null | grep -q '^user:1003:r--' || fail "ACL lost"
    else skip "ACLs: setfacl (Debian's acl) is missing"; fi
    grep -q Imbolc kept.csv || fail "kept.csv not replaced"
else
    skip "owner and setgid: needs root"
fi

# Other users (root runs the test; setpriv gives the unprivileged ids 1001 and 1002).
as() { local id=$1; shift; setpriv --reuid="$id" --regid="$id" --clear-groups "$@"; }
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null && as 1002 "$cli" 2015 --events march >/dev/null 2>&1; then
    mkdir -m 1777 shared && mkdir -m 755 victim && echo precious >victim/precious.txt && chown -R 1002 victim
    as 1001 ln -s "$work/victim/precious.txt" shared/report.csv
    as 1001 ln -s "$work/victim/made.txt" shared/dangling.csv
    as 1001 ln -s "$work/victim" shared/folder  # a planted link as a folder of the path
    for link in report dangling folder/report; do
        as 1002 "$cli" 2015 --csv --output "shared/$link.csv" 2>err.txt; status=$?
        [ "$status" = 1 ] && grep -q 'shared folder' err.txt || fail "a planted link ($link): $status, $(cat err.txt)"
    done
    "$cli" 2015 --csv --output shared/report.csv 2>/dev/null && fail "root followed a planted link"
    [ "$(cat victim/precious.txt)" = precious ] && [ ! -e victim/made.txt ] && [ ! -e victim/report.csv ] ||
        fail "the victim's files were touched"
    as 1002 ln -s "$work/victim/precious.txt" shared/own.csv && as 1002 "$cli" 2015 --output shared/own.csv &&
        grep -q June victim/precious.txt || fail "the user's own link in a shared folder is followed"
    # Another user's file or named pipe in the shared folder: refused at once, never written or
    # waited for; the user's own pipe with no reader is given up after a while.
    as 1001 mkfifo shared/fifo && as 1001 bash -c 'echo theirs >shared/theirs.csv && chmod 666 shared/theirs.csv'
    for name in fifo theirs.csv; do
        timeout 5 setpriv --reuid=1002 --regid=1002 --clear-groups "$cli" 2015 --output "shared/$name" 2>err.txt; status=$?
        [ "$status" = 1 ] && grep -q 'shared folder' err.txt || fail "another user's $name: $status, $(cat err.txt)"
    done
    [ "$(cat shared/theirs.csv)" = theirs ] || fail "another user's file was written"
    as 1002 mkfifo shared/own.fifo
    timeout 20 setpriv --reuid=1002 --regid=1002 --clear-groups "$cli" 2015 --output shared/own.fifo 2>err.txt
    status=$?
    [ "$status" = 1 ] && grep -q 'no program opened the named pipe' err.txt || fail "a pipe with no reader: $status"
    # Threads refused (a process limit): the years are made on fewer, down to the calling one.
    [ "$(prlimit --nproc=1 "${noleaks[@]}" setpriv --reuid=1002 --regid=1002 --clear-groups "$cli" "${range[@]}" --jobs 4 | wc -c)" = \
        "$whole_size" ] || fail "--jobs 4 with no thread to be had"
    # A writable file in a folder the user may not write: written in place.
    mkdir -m 755 locked && echo old >locked/mine.txt && chown 1002 locked/mine.txt
    as 1002 "$cli" 2015 --output locked/mine.txt && grep -q June locked/mine.txt || fail "a file in a read-only folder"
else
    skip "other users: needs root, setpriv, and the program runnable by uid 1002"
fi

[ -z "$(leftovers)" ] || fail "temporary files left: $(leftovers)"
[ "$failures" = 0 ] || exit 1
echo "output_file: all checks passed"

#!/bin/sh
# pagewick-cli fetch against a scripted web server on 127.0.0.1: a PNG behind a ".gif" address saved as
# ".png", the same address again saved under "_001", a redirect followed, a 404 and a redirect loop refused
# with exit code 1 and nothing written, a wrong call refused with exit code 2.
cli="$1"
d=$(mktemp -d) || exit 1
server_pid=
trap '[ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; rm -rf "$d"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cat > "$d/server.py" <<'EOF'
import socket, sys
listener = socket.socket()
listener.bind(("127.0.0.1", 0))
listener.listen(8)
port = listener.getsockname()[1]
with open(sys.argv[1] + ".tmp", "w") as f:
    f.write(str(port))
import os
os.rename(sys.argv[1] + ".tmp", sys.argv[1])
png = b"\x89PNG\r\n\x1a\n\0\0\0\rIHDR"
while True:
    client, _ = listener.accept()
    request = b""
    while b"\r\n\r\n\r\n" not in request:
        chunk = client.recv(4096)
        if not chunk:
            break
        request += chunk
    path = request.split(b" ")[1] if request.count(b" ") else b""
    if path == b"/logo.gif":
        reply = b"HTTP/1.0 200 OK\r\nContent-Type: image/png\r\n\r\n" + png
    elif path == b"/moved":
        reply = b"HTTP/1.0 301 Moved\r\nLocation: http://127.0.0.1:%d/logo.gif\r\n\r\n" % port
    elif path == b"/loop":
        reply = b"HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1:%d/loop\r\n\r\n" % port
    else:
        reply = b"HTTP/1.0 404 Not Found\r\n\r\nnothing here"
    client.sendall(reply)
    client.close()
EOF
python3 "$d/server.py" "$d/port" &
server_pid=$!
for _ in $(seq 100); do [ -f "$d/port" ] && break; sleep 0.1; done
[ -f "$d/port" ] || fail "the test server did not start"
base="http://127.0.0.1:$(cat "$d/port")"
mkdir "$d/out"

out=$("$cli" fetch "$base/logo.gif" "$d/out") || fail "first fetch: exit code $?"
[ "$out" = "logo.png" ] || fail "first fetch printed: $out"
out=$("$cli" fetch "$base/moved" "$d/out") || fail "redirected fetch: exit code $?"
[ "$out" = "logo_001.png" ] || fail "redirected fetch printed: $out"
cmp -s "$d/out/logo.png" "$d/out/logo_001.png" || fail "the two saved files differ"
[ "$(head -c 4 "$d/out/logo.png" | tail -c 3)" = "PNG" ] || fail "the saved file is not the body"

for address in "$base/missing.png" "$base/loop"; do
    err=$("$cli" fetch "$address" "$d/out" 2>&1 >/dev/null)
    [ $? -eq 1 ] || fail "$address was not refused with exit code 1"
    [ -n "$err" ] || fail "$address was refused without a message"
done
printf '%s\n' "$err" | grep -q "too many redirects" || fail "the loop's message: $err"
[ "$(ls "$d/out" | wc -l)" -eq 2 ] || fail "a failed fetch wrote a file: $(ls "$d/out")"

"$cli" fetch "$base/logo.gif" 2>/dev/null
[ $? -eq 2 ] || fail "a call without a folder was not refused with exit code 2"
exit 0

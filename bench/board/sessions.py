"""Creates accounts on a running board and prints them as a Lua table of cookie and form token,
for post.lua. Usage: sessions.py PORT COUNT PREFIX"""
import re
import sys
import urllib.parse
import urllib.request

port, count, prefix = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
base = f"http://127.0.0.1:{port}/quillmere/"


def fetch(path, cookie=None, form=None):
    data = urllib.parse.urlencode(form).encode() if form else None
    request = urllib.request.Request(base + path, data=data)
    if cookie:
        request.add_header("Cookie", "qm=" + cookie)
    with urllib.request.urlopen(request) as response:
        body = response.read().decode()
        for header in response.headers.get_all("Set-Cookie") or []:
            cookie = header.split(";")[0].split("=", 1)[1]
    return cookie, re.search(r'name="csrf" value="([0-9a-f]+)"', body).group(1)


print("return {")
for i in range(count):
    cookie, csrf = fetch("")
    cookie, csrf = fetch("signup", cookie, {"name": f"{prefix} {i}", "password": "benchmark password",
                                            "csrf": csrf})
    print(f'  {{cookie = "{cookie}", csrf = "{csrf}"}},')
print("}")

#!/usr/bin/env python3
"""Start-up, search latency and memory of Varnesk against a bare reference.

Runs the real varnesk program and reference_panes (three QWebEngineViews and
nothing else) alternately on one X screen, against three loopback HTTP
servers on three addresses (three sites) that this script runs, and prints
for each:

  start-up   from process start to all three start pages loaded
  first      from the Enter key press (an XTest event sent by this script)
             of the first search after start to the servers having received
             all three result-page requests
  warm       the same for the searches after it (median of WARM_SEARCHES)
  memory     PSS of the whole process tree with three result pages loaded

Before each search the words are typed into the program's words line with
xdotool, as a user does; Varnesk searches for them, the reference loads the
same three URLs from its own words line.

The start pages are the shipped ones with a line added that logs their load
event to the console; both programs load the same copies, and the result
pages that the servers send log theirs too. Varnesk runs
from a copy of its executable next to those pages, under a HOME of its own
whose settings point the three engines at the servers. Each program gets one
warm-up run first (Varnesk's profile and the system's file cache warm up);
the figures are medians over the measured runs.

Needs xdotool, and Xvfb when DISPLAY is unset. Not run by the tests.
Usage: search_bench.py [--build DIR] [--runs N] [--preconnect on|off]
"""

import argparse
import ctypes
import http.server
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
ENGINES = ("g", "b", "y")
QUERY = "red apple"
PATIENCE = 60.0
WARM_SEARCHES = 4
MARKER = "bench-loaded "


class Recorder:
    """Records when each search and each page load first arrives."""

    def __init__(self):
        self.arrivals = {}
        self.changed = threading.Condition()

    def reset(self):
        with self.changed:
            self.arrivals.clear()

    def record(self, key):
        with self.changed:
            self.arrivals.setdefault(key, time.monotonic())
            self.changed.notify_all()

    def wait_for(self, keys, timeout=PATIENCE):
        """Arrival times of all keys; raises when they do not all come."""
        deadline = time.monotonic() + timeout
        with self.changed:
            while not all(k in self.arrivals for k in keys):
                left = deadline - time.monotonic()
                if left <= 0:
                    missing = [k for k in keys if k not in self.arrivals]
                    raise TimeoutError(f"never arrived: {missing}")
                self.changed.wait(left)
            return [self.arrivals[k] for k in keys]


class Server(http.server.ThreadingHTTPServer):
    """One engine's site: serves wide result pages on a loopback address of
    its own (127.0.0.1, .2, .3: three sites, as three real engines are)."""

    daemon_threads = True

    def __init__(self, host, recorder):
        super().__init__((host, 0), Handler)
        self.recorder = recorder

    @property
    def base(self):
        return f"http://{self.server_address[0]}:{self.server_address[1]}"


def load_marker(tag):
    """A script that logs the page's load event to the console, which both
    programs print on standard error (local pages may not reach the network)."""
    return ("<script>addEventListener('load', function () {"
            f"console.log('{MARKER}{tag}');"
            "});</script>")


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        path = self.path.split("?")[0]
        engine = path.strip("/").split("/")[0]
        if engine not in ENGINES:
            self.send_error(404)
            return
        self.server.recorder.record("search-" + engine)
        body = ("<!doctype html><html><head><meta charset='utf-8'><title>Results</title>"
                f"{load_marker('result-' + engine)}</head>"
                "<body style='margin:0'><div style='width:3000px;font:16px sans-serif'>"
                + "".join(f"<p>Result {i} for {QUERY}</p>" for i in range(40))
                + "</div></body></html>").encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def tree_pids(pid):
    pids, queue = [], [pid]
    while queue:
        p = queue.pop()
        pids.append(p)
        for task in Path(f"/proc/{p}/task").glob("*"):
            try:
                queue += [int(c) for c in (task / "children").read_text().split()]
            except OSError:
                pass
    return pids


def tree_pss_mib(pid):
    total = 0
    for p in tree_pids(pid):
        try:
            for line in Path(f"/proc/{p}/smaps_rollup").read_text().splitlines():
                if line.startswith("Pss:"):
                    total += int(line.split()[1])
        except OSError:
            pass
    return total / 1024.0


def stop(process):
    if process.poll() is None:
        os.killpg(process.pid, signal.SIGTERM)
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, stdout=subprocess.DEVNULL)


class EnterKey:
    """Presses Enter through the XTest extension from this process, so that
    the moment of the press is known to well under a millisecond (an xdotool
    call spends about 100 ms starting up)."""

    def __init__(self):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(None)
        if not self.display:
            raise RuntimeError("cannot open the X display")
        self.code = self.x11.XKeysymToKeycode(self.display, 0xFF0D)  # XK_Return

    def press(self):
        """Sends Enter down and up; answers the time just before."""
        pressed = time.monotonic()
        self.xtst.XTestFakeKeyEvent(self.display, self.code, 1, 0)
        self.xtst.XTestFakeKeyEvent(self.display, self.code, 0, 0)
        self.x11.XFlush(self.display)
        return pressed

    def close(self):
        self.x11.XCloseDisplay(self.display)


class Bench:
    def __init__(self, build, work, servers, preconnect):
        self.build, self.work, self.recorder = build, work, servers[0].recorder
        self.enter = EnterKey()
        self.app = work / "app"
        self.app.mkdir()
        shutil.copy2(build / "bin" / "varnesk", self.app / "varnesk")
        self.starts = []
        for n in (1, 2, 3):
            page = (build / "bin" / f"start{n}.htm").read_text(encoding="utf-8")
            page = page.replace("</head>", load_marker(f"start{n}") + "</head>", 1)
            (self.app / f"start{n}.htm").write_text(page, encoding="utf-8")
            self.starts.append((self.app / f"start{n}.htm").as_uri())
        self.home = work / "home"
        data = self.home / "Documents" / "Orvandel" / "Varnesk"
        data.mkdir(parents=True)
        lines = [f"{server.base}/{e}/search?q=" for server, e in zip(servers, ENGINES)] + ["no", "yes", "150", "100", "120"]
        (data / "vrk.txt").write_bytes("".join(l + "\r\n" for l in lines).encode())
        if not preconnect:
            (data / "varnesk.ini").write_text("Preconnect=false\n")
        self.results = [f"{server.base}/{e}/search?q=red%20apple" for server, e in zip(servers, ENGINES)]

    def env(self):
        env = dict(os.environ, HOME=str(self.home), XDG_CONFIG_HOME=str(self.home / ".config"),
                   XDG_DATA_HOME=str(self.home / ".local/share"), XDG_CACHE_HOME=str(self.home / ".cache"),
                   QTWEBENGINE_DISABLE_SANDBOX="1", QT_LOGGING_RULES="js.info=true")
        env.pop("QT_QPA_PLATFORM", None)
        return env

    def launch(self, argv):
        self.recorder.reset()
        started = time.monotonic()
        process = subprocess.Popen(argv, env=self.env(), start_new_session=True,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        threading.Thread(target=self.watch, args=(process.stderr,), daemon=True).start()
        loaded = self.recorder.wait_for([f"start{n}" for n in (1, 2, 3)])
        return process, max(loaded) - started

    def watch(self, stream):
        """Records the load markers that a program prints."""
        for line in stream:
            text = line.decode(errors="replace")
            if MARKER in text:
                self.recorder.record(text.split(MARKER, 1)[1].split()[0])

    def finish(self, process):
        self.recorder.wait_for([f"result-{e}" for e in ENGINES])
        time.sleep(2.0)  # let the renderers settle before reading memory
        return tree_pss_mib(process.pid)

    def search(self, first):
        """Types the words and presses Enter; answers Enter to the three requests."""
        self.recorder.reset()
        if not first:
            xdotool("key", "ctrl+a")
        xdotool("type", "--delay", "40", QUERY)
        time.sleep(0.5)
        pressed = self.enter.press()
        received = self.recorder.wait_for([f"search-{e}" for e in ENGINES])
        self.recorder.wait_for([f"result-{e}" for e in ENGINES])
        time.sleep(0.5)
        return max(received) - pressed

    def run(self, argv, title):
        """One run: start-up, the first search, the warm searches, memory."""
        process, startup = self.launch(argv)
        try:
            time.sleep(1.0)
            # Off the panes, so that hover focus leaves the words line its focus.
            xdotool("mousemove", "0", "0")
            xdotool("search", "--sync", "--name", f"^{title}$", "windowfocus", "--sync")
            time.sleep(0.3)
            first = self.search(True)
            warm = statistics.median(self.search(False) for _ in range(WARM_SEARCHES))
            return startup, first, warm, self.finish(process)
        finally:
            stop(process)

    def varnesk(self):
        return self.run([str(self.app / "varnesk")], "Varnesk 1.0")

    def reference(self):
        argv = [str(self.build / "bin" / "reference_panes"), *self.starts, *self.results]
        return self.run(argv, "Reference panes")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=str(ROOT / "build"))
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--preconnect", choices=("on", "off"), default="on",
                        help="Varnesk's warm-up of the engines (connection, page process) while a search is typed")
    args = parser.parse_args()
    build = Path(args.build).resolve()
    for exe in ("varnesk", "reference_panes"):
        if not (build / "bin" / exe).exists():
            sys.exit(f"{build / 'bin' / exe} is missing: configure with -DVARNESK_BENCH=ON and build")

    xvfb = None
    if not os.environ.get("DISPLAY"):
        os.environ["DISPLAY"] = ":77"
        xvfb = subprocess.Popen(["Xvfb", ":77", "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.0)

    recorder = Recorder()
    servers = [Server(f"127.0.0.{n}", recorder) for n in (1, 2, 3)]
    for server in servers:
        threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        with tempfile.TemporaryDirectory(prefix="varnesk-bench-") as work:
            bench = Bench(build, Path(work), servers, args.preconnect == "on")
            bench.varnesk()
            bench.reference()
            figures = {"varnesk": [], "reference": []}
            for run in range(args.runs):
                figures["varnesk"].append(bench.varnesk())
                figures["reference"].append(bench.reference())
                print(f"run {run + 1}: varnesk {fmt(figures['varnesk'][-1])}; "
                      f"reference {fmt(figures['reference'][-1])}", flush=True)
            bench.enter.close()
            report(figures)
    finally:
        for server in servers:
            server.shutdown()
        if xvfb:
            xvfb.terminate()
            xvfb.wait()


def fmt(run):
    startup, first, warm, memory = run
    return (f"start-up {startup * 1000:.0f} ms, first {first * 1000:.1f} ms, warm {warm * 1000:.1f} ms, "
            f"PSS {memory:.0f} MiB")


def report(figures):
    med = {name: [statistics.median(r[i] for r in runs) for i in range(4)] for name, runs in figures.items()}
    v, r = med["varnesk"], med["reference"]
    print()
    print(f"{'median':<10}{'varnesk':>12}{'reference':>12}{'varnesk/ref':>13}")
    print(f"{'start-up':<10}{v[0] * 1000:>9.0f} ms{r[0] * 1000:>9.0f} ms{v[0] / r[0]:>12.2f}x")
    print(f"{'first':<10}{v[1] * 1000:>9.1f} ms{r[1] * 1000:>9.1f} ms{v[1] / r[1]:>12.2f}x")
    print(f"{'warm':<10}{v[2] * 1000:>9.1f} ms{r[2] * 1000:>9.1f} ms{v[2] / r[2]:>12.2f}x")
    print(f"{'PSS':<10}{v[3]:>8.0f} MiB{r[3]:>8.0f} MiB{v[3] / r[3]:>12.2f}x")
    print(f"first search / warm search: varnesk {v[1] / v[2]:.2f}x, reference {r[1] / r[2]:.2f}x")


if __name__ == "__main__":
    main()

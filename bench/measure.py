#!/usr/bin/env python3
"""Times Velmora's batch operations, requests and start-up side by side with their references.

Every measurement runs its sides in turn (A B A B ...): one warm-up round that is not counted,
then --rounds counted rounds. A ratio is taken within each round and the table shows the median
of those ratios, so the load other programs put on the machine meets both sides alike.
bench/run builds the programs and calls this script; see docs/PERFORMANCE.md.
"""

import argparse
import http.server
import os
import platform
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time
from dataclasses import dataclass, field

NAME_FILES = 20_000
CONTENT_FILES = 2_000
CONTENT_FILE_BYTES = 100_000
SPLIT_KEYS = 1_000
SPLIT_LINES = (100_000, 200_000)
REQUESTS = 200
# The splash window's own pauses before the main window opens: five status texts 10 ms apart
# and the first tick of its 1 ms timer.
SPLASH_PAUSES_SECONDS = 0.051
SAMPLE_TIME = "2009-11-15 15:15:15"
WORK_FOLDER = ["."]  # the data folder, whose file system settle() writes out

# The modes of the batch page, by their number in its mode list.
RENAME, NEW_EXTENSION, DELETE, MERGE, SPLIT, SORT, TIMES, REPLACE = 0, 1, 3, 4, 5, 6, 7, 8


@dataclass
class Row:
    name: str
    ours: list = field(default_factory=list)
    reference_name: str = ""
    reference: list = field(default_factory=list)
    ratios: list = field(default_factory=list)
    target: str = ""
    met: object = None  # True, False, or None for a row shown only for comparison
    unit: str = "s"


@dataclass
class Side:
    """One side of a measurement: run() gives its seconds; prepare() first makes the data it works
    on, outside the timed part."""
    run: object
    prepare: object = None
    writes: bool = True  # whether run() leaves written data that the disk must take in


class Bench:
    def __init__(self, build, work, rounds):
        self.build = os.path.abspath(build)
        self.work = work
        self.rounds = rounds
        self.rows = []

    def program(self, name):
        for folder in ("bench", "src"):
            path = os.path.join(self.build, folder, name)
            if os.path.exists(path):
                return path
        sys.exit(f"{name} is not built in {self.build}")

    def path(self, *parts):
        return os.path.join(self.work, *parts)

    # --- the sides ------------------------------------------------------------------------

    def ours(self, mode, folder, kind="", third="", fourth=""):
        """Seconds of one run of the batch engine, as the program itself measures it."""
        out = subprocess.run([self.program("velmora_bench_batch"), str(mode), folder, kind, third, fourth],
                             check=True, capture_output=True, text=True).stdout
        return float(out)

    def floor(self, *args):
        out = subprocess.run([self.program("velmora_bench_floor"), *map(str, args)],
                             check=True, capture_output=True, text=True).stdout
        return float(out)

    @staticmethod
    def tool(command, cwd=None, stdout=subprocess.DEVNULL):
        """Wall-clock seconds of an outside tool, its process start included."""
        start = time.perf_counter()
        subprocess.run(command, cwd=cwd, check=True, stdout=stdout)
        return time.perf_counter() - start

    # --- running sides in turn ------------------------------------------------------------

    def alternate(self, sides):
        """Runs every side once per round, in turn, and gives each side's counted times. What the
        side before or the preparation wrote is written out before a side starts."""
        times = {name: [] for name in sides}
        written = True  # the data made before the first round
        for round_number in range(self.rounds + 1):
            for name, side in sides.items():
                if side.prepare:
                    side.prepare()
                settle(pause=written or side.prepare is not None)
                seconds = side.run()
                written = side.writes
                if round_number > 0:
                    times[name].append(seconds)
        return times

    def compare(self, name, ours, reference_name, reference, target=None, unit="s"):
        ratios = [a / b for a, b in zip(ours, reference)]
        met = None if target is None else statistics.median(ratios) <= target
        row = Row(name, ours, reference_name, reference, ratios,
                  "—" if target is None else f"≤ {target:g}", met, unit)
        self.rows.append(row)
        print(f"  {name} / {reference_name}: {statistics.median(ratios):.2f}", file=sys.stderr, flush=True)
        return row

    # --- data -----------------------------------------------------------------------------

    def fresh_folder(self, name):
        folder = self.path(name)
        shutil.rmtree(folder, ignore_errors=True)
        os.mkdir(folder)
        return folder

    def make(self, *args):
        """Makes data with velmora_bench_data (see bench/data.cpp for the names and bytes)."""
        subprocess.run([self.program("velmora_bench_data"), *map(str, args)], check=True)

    def named_files(self, folder, extensions=("txt",)):
        """Makes folder hold NAME_FILES small files "file<i>.<extension>", the extensions taking
        turns, and nothing else; the files an earlier run left in it are moved back into place."""
        self.make("names", folder, NAME_FILES, *extensions)

    def content_files(self, name):
        """CONTENT_FILES text files of about CONTENT_FILE_BYTES bytes holding "cat" but never "dog"."""
        folder = self.path(name)
        self.make("contents", folder, CONTENT_FILES, CONTENT_FILE_BYTES)
        return folder

    def split_document(self, name, lines):
        folder = self.fresh_folder(name)
        document = os.path.join(folder, "document.txt")
        self.make("document", document, lines, SPLIT_KEYS)
        return document

    @staticmethod
    def remove_files(folder, condition):
        for entry in os.listdir(folder):
            if condition(entry):
                os.unlink(os.path.join(folder, entry))

    # --- measurements ---------------------------------------------------------------------

    def name_modes(self):
        print("name modes", file=sys.stderr, flush=True)
        folder = self.path("names")

        def named(extensions=("txt",)):
            return lambda: self.named_files(folder, extensions)

        def ours_checked(mode, *inputs):
            def run():
                seconds = self.ours(mode, folder, *inputs)
                # A run that did nothing would look fast.
                if os.path.exists(os.path.join(folder, "file0.txt")):
                    sys.exit(f"mode {mode} left the files as they were")
                return seconds
            return run

        def floor(operation, *args):
            return lambda: self.floor(operation, folder, *args)

        times = self.alternate({"ours": Side(ours_checked(RENAME, "txt", "p"), named()),
                                "floor": Side(floor("rename", "p", ".txt"), named())})
        self.compare("rename 20,000 files", times["ours"], "floor", times["floor"], 1.5)

        times = self.alternate({"ours": Side(ours_checked(NEW_EXTENSION, "txt", "md"), named()),
                                "floor": Side(floor("extension", ".md"), named())})
        self.compare("new extension 20,000 files", times["ours"], "floor", times["floor"], 1.5)

        sorted_kinds = ("txt", "md", "log", "dat")
        times = self.alternate({"ours": Side(ours_checked(SORT), named(sorted_kinds)),
                                "floor": Side(floor("sort"), named(sorted_kinds))})
        self.compare("sort by extension 20,000 files", times["ours"], "floor", times["floor"], 1.5)

        # Every side sets the same times again, so the files are made once.
        self.named_files(folder)
        touch = ["find", folder, "-type", "f", "-exec", "touch", "-d", SAMPLE_TIME, "{}", "+"]
        times = self.alternate({"ours": Side(lambda: self.ours(TIMES, folder, SAMPLE_TIME, SAMPLE_TIME, SAMPLE_TIME)),
                                "floor": Side(floor("times")),
                                "touch": Side(lambda: self.tool(touch))})
        self.compare("file times 20,000 files", times["ours"], "floor", times["floor"], 1.5)
        self.compare("file times 20,000 files", times["ours"], "touch", times["touch"])

        # Last, so that the run deletes the files it made only here: on a disk that discards the freed
        # blocks at once, deleting 20,000 files takes seconds.
        find_delete = ["find", folder, "-name", "*.txt", "-type", "f", "-delete"]
        times = self.alternate({"ours": Side(ours_checked(DELETE, "txt"), named()),
                                "floor": Side(floor("delete"), named()),
                                "find": Side(lambda: self.tool(find_delete), named())})
        self.compare("delete 20,000 files", times["ours"], "floor", times["floor"], 1.5)
        self.compare("delete 20,000 files", times["ours"], "find -delete", times["find"])

    def content_modes(self):
        print("content modes", file=sys.stderr, flush=True)
        folder = self.content_files("contents")
        names = sorted(entry for entry in os.listdir(folder) if entry.endswith(".txt"))
        summary = os.path.join(folder, "汇总.txt")
        merged = self.path("merged-by-cat")

        def without(path):
            def remove():
                if os.path.exists(path):
                    os.unlink(path)
            return remove

        def cat_merge():
            with open(merged, "wb") as out:
                return self.tool(["cat", *names], cwd=folder, stdout=out)

        times = self.alternate({"ours": Side(lambda: self.ours(MERGE, folder, "txt"), without(summary)),
                                "cat": Side(cat_merge, without(merged))})
        os.unlink(summary)
        self.compare("merge 2,000 × 100 KB", times["ours"], "cat", times["cat"], 1.3)

        # Ours always turns cat into dog and sed turns it back, so every run finds the same work.
        times = self.alternate({
            "ours": Side(lambda: self.ours(REPLACE, folder, "txt", "cat", "dog")),
            "sed": Side(lambda: self.tool(["sed", "-i", "s/dog/cat/g", *names], cwd=folder))})
        self.compare("replace in 2,000 × 100 KB", times["ours"], "sed -i", times["sed"], 1.0)
        shutil.rmtree(folder)

    def split_mode(self):
        print("split", file=sys.stderr, flush=True)
        documents = {lines: self.split_document(f"split{lines}", lines) for lines in SPLIT_LINES}

        # Before each run the files the side before it wrote go: the split's key files, the floor's pieces.
        def remove_from(lines, condition):
            return lambda: self.remove_files(os.path.dirname(documents[lines]), condition)

        # The floor reads the document and writes its bytes into as many new files as there are keys.
        sides = {}
        for lines in SPLIT_LINES:
            document = documents[lines]
            sides[f"ours{lines}"] = Side(lambda document=document: self.ours(SPLIT, document),
                                         remove_from(lines, lambda name: name.endswith(".TXT")))
            sides[f"floor{lines}"] = Side(lambda document=document: self.floor("spread", document, SPLIT_KEYS),
                                          remove_from(lines, lambda name: name.startswith("document.txt.")))
        times = self.alternate(sides)
        for lines in SPLIT_LINES:
            self.compare(f"split {lines:,} lines", times[f"ours{lines}"], "floor read + write",
                         times[f"floor{lines}"], 3.0)
        small, large = SPLIT_LINES
        self.compare(f"split {large:,} lines", times[f"ours{large}"], f"split {small:,} lines",
                     times[f"ours{small}"], 2.2)
        for document in documents.values():
            shutil.rmtree(os.path.dirname(document))

    def requests(self):
        print("requests", file=sys.stderr, flush=True)
        out = subprocess.run([self.program("velmora_bench_requests"), str(REQUESTS), str(self.rounds)],
                             check=True, capture_output=True, text=True).stdout
        pairs = [tuple(float(value) for value in line.split()) for line in out.splitlines()]
        self.compare(f"{REQUESTS} GET requests", [pair[0] for pair in pairs], "libcurl",
                     [pair[1] for pair in pairs], 1.2)

    def start_up(self, idle_seconds):
        print("start-up", file=sys.stderr, flush=True)
        with UpdatePageServer() as server:
            environment = dict(os.environ, QT_QPA_PLATFORM="offscreen", VELMORA_UPDATE_URL=server.url,
                               HOME=self.fresh_folder("home"), XDG_CONFIG_HOME=self.path("home", ".config"))
            ours = [self.program("velmora_bench_start")]
            minimal = [self.program("velmora_bench_minimal_window")]
            # Neither writes more than a settings file, so no side waits for the disk after the other.
            times = self.alternate({"ours": Side(lambda: started(ours, environment), writes=False),
                                    "minimal": Side(lambda: started(minimal, environment), writes=False)})
            ours_seconds = [seconds for seconds, _ in times["ours"]]
            minimal_seconds = [seconds for seconds, _ in times["minimal"]]
            row = self.compare("time to the main window", ours_seconds, "minimal window", minimal_seconds)
            # The splash window's pauses are part of the program's design, not a cost to remove.
            row.ours = [a - SPLASH_PAUSES_SECONDS for a in ours_seconds]
            row.ratios = [a / b for a, b in zip(row.ours, minimal_seconds)]
            row.name += " − 51 ms pauses"
            row.target = "≤ 1.3"
            row.met = statistics.median(row.ratios) <= 1.3
            self.compare("peak memory at the main window", [kb for _, kb in times["ours"]], "minimal window",
                         [kb for _, kb in times["minimal"]], 1.3, unit="KB")
            if idle_seconds > 0:
                print(f"idle ({idle_seconds} s)", file=sys.stderr, flush=True)
                ours_idle, minimal_idle = idle_cpu([ours, minimal], environment, idle_seconds)
                self.rows.append(Row(f"idle CPU over {idle_seconds} s", [ours_idle], "minimal window",
                                     [minimal_idle], [], "< 0.5 %", ours_idle < 0.5, "%"))

    # --- output ---------------------------------------------------------------------------

    def table(self):
        lines = ["| measurement | ours (median) | reference | reference (median) | median ratio | target | met |",
                 "|---|---|---|---|---|---|---|"]
        for row in self.rows:
            ratio = f"{statistics.median(row.ratios):.2f}" if row.ratios else "—"
            met = {True: "yes", False: "**no**", None: ""}[row.met]
            lines.append(f"| {row.name} | {show(statistics.median(row.ours), row.unit)} | {row.reference_name} | "
                         f"{show(statistics.median(row.reference), row.unit)} | {ratio} | {row.target} | {met} |")
        return "\n".join(lines)


def settle(pause=True):
    """Writes prepared data out, so that no side pays for the writing of the one before, and
    lets the file system's journal finish with it: a side that starts at once would otherwise
    wait for it while one that starts a little later (a Qt program) would not. Without pause,
    when nothing much was written, only the writing out."""
    subprocess.run(["sync", "--file-system", WORK_FOLDER[0]], check=True)
    if pause:
        time.sleep(0.3)


def show(value, unit):
    if unit == "s":
        return f"{value * 1000:.1f} ms"
    if unit == "KB":
        return f"{value / 1024:.1f} MB"
    return f"{value:.3f} %"


def started(command, environment):
    """Seconds from process start until it says its window is shown, and its peak memory in KB."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=environment, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    line = process.stdout.readline()
    seconds = time.perf_counter() - start
    _, status, usage = os.wait4(process.pid, 0)
    process.returncode = os.waitstatus_to_exitcode(status)
    process.stdout.close()
    if line.strip() != b"shown":
        sys.exit(f"{command[0]} ended without showing its window")
    return seconds, usage.ru_maxrss


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def idle_cpu(commands, environment, seconds):
    """Percent of one core each program uses while it sits idle, all of them at once."""
    processes = [subprocess.Popen([*command, "--stay"], env=environment, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL) for command in commands]
    try:
        for process in processes:
            if process.stdout.readline().strip() != b"shown":
                sys.exit("a program ended without showing its window")
        time.sleep(2)  # let the start-up settle
        before = [cpu_seconds(process.pid) for process in processes]
        time.sleep(seconds)
        after = [cpu_seconds(process.pid) for process in processes]
    finally:
        for process in processes:
            process.send_signal(signal.SIGTERM)
            process.wait()
            process.stdout.close()
    return [(b - a) / seconds * 100 for a, b in zip(before, after)]


class UpdatePageServer:
    """Serves the update page at once, naming the program's own version, so no notice appears."""

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            body = b"var version='Tarvik2.8';\n"
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def log_message(self, *args):
            pass

    def __enter__(self):
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), self.Handler)
        self.url = f"http://127.0.0.1:{self.server.server_port}/update.html"
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()
        return self

    def __exit__(self, *exception):
        self.server.shutdown()
        self.server.server_close()


def machine():
    model = "unknown processor"
    with open("/proc/cpuinfo") as cpuinfo:
        for line in cpuinfo:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    with open("/proc/meminfo") as meminfo:
        memory = int(meminfo.readline().split()[1]) // 1024
    return f"{model}, {os.cpu_count()} cores, {memory} MB, Linux {platform.release()}"


def file_system_of(path):
    out = subprocess.run(["stat", "-f", "-c", "%T", path], capture_output=True, text=True).stdout.strip()
    return out or "unknown"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True, help="the build folder holding the programs")
    parser.add_argument("--rounds", type=int, default=5, help="counted rounds after the warm-up (default 5)")
    parser.add_argument("--idle-seconds", type=int, default=60, help="idle CPU window; 0 skips it (default 60)")
    parser.add_argument("--data", help="where the temporary data folder goes (default: the build folder)")
    parser.add_argument("--only", nargs="*", choices=["names", "contents", "split", "requests", "start"],
                        help="run only these groups")
    arguments = parser.parse_args()

    # The batch modes take only absolute folders, as typed on the page.
    work = os.path.abspath(tempfile.mkdtemp(prefix="bench-data-", dir=arguments.data or arguments.build))
    WORK_FOLDER[0] = work
    bench = Bench(arguments.build, work, arguments.rounds)
    groups = {"names": bench.name_modes, "contents": bench.content_modes, "split": bench.split_mode,
              "requests": bench.requests, "start": lambda: bench.start_up(arguments.idle_seconds)}
    work_parent = os.path.dirname(work)
    started_at = time.perf_counter()
    try:
        for name, group in groups.items():
            if not arguments.only or name in arguments.only:
                group_started_at = time.perf_counter()
                group()
                print(f"  ({time.perf_counter() - group_started_at:.0f} s)", file=sys.stderr, flush=True)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"Machine: {machine()}; data on {file_system_of(work_parent)}; "
          f"{arguments.rounds} rounds after a warm-up; took {time.perf_counter() - started_at:.0f} s.")
    print()
    print(bench.table())
    return 0 if all(row.met is not False for row in bench.rows) else 1


if __name__ == "__main__":
    sys.exit(main())

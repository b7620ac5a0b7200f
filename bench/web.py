#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The browser's Bitovka, by hand (never in CI), on Debian 13 after
scripts/web: what a pupil downloads, plain and gzipped, and the time from
opening the page to the main window painted in it, in headless Chromium
through its WebDriver, the page served from a loopback port.

    bench/web.py [-n ROUNDS]

Each round opens the page in a new browser with an empty cache (a first
visit) and waits until the page's worker has kept its files; opens it once
more in the same browser (a return visit, the files from the worker's
cache); then stops the server and opens it again (offline). Then the same
page is served by a name over plain HTTP, where Chromium gives it no worker,
as many school servers are: a first and a return visit (the files from the
browser's HTTP cache). "Painted" is
the first animation frame in which the main window's canvas holds the blue
of the blue operand, counted from the start of navigation. The bytes are
what the server sent for each visit, headers included: for the first visit
until the files were kept, for the return visit until five seconds after
the window was painted (by then the page and the browser have asked for a
newer sw.js)."""

import argparse
import functools
import gzip
import http.server
import os
import statistics
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

HERE = os.path.dirname(os.path.abspath(__file__))
DIST = os.path.join(HERE, '..', 'dist', 'web')

# Watches every frame from the page's first moment for a canvas of Qt's (in
# its shadow tree) showing the blue operand's pure blue.
PROBE = """
(() => {
  const look = () => {
    const root = document.getElementById('qt-shadow-container')?.shadowRoot;
    for (const c of root ? root.querySelectorAll('canvas') : []) {
      if (!c.width || !c.height) continue;
      const px = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      for (let i = 0; i < px.length; i += 4)
        if (px[i] === 0 && px[i + 1] === 0 && px[i + 2] === 255) {
          window.bitovkaPainted = performance.now();
          return;
        }
    }
    requestAnimationFrame(look);
  };
  requestAnimationFrame(look);
})();
"""


class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript'}

    def setup(self):
        super().setup()
        self.wfile = Counted(self.wfile, self.server)

    def log_message(self, *args):
        pass


class Counted:
    """The handler's output, its bytes added up on the server."""

    def __init__(self, out, server):
        self.out, self.server = out, server

    def write(self, data):
        self.server.sent += len(data)
        return self.out.write(data)

    def __getattr__(self, name):
        return getattr(self.out, name)


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True
    sent = 0

    def handle_error(self, request, client_address):
        pass  # the browser drops connections it no longer needs


def sizes(folder):
    rows = []
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), 'rb') as f:
            data = f.read()
        rows.append((name, len(data), len(gzip.compress(data, 9)) if not name.endswith('.gz') else len(data)))
    return rows


def painted(driver, url):
    driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': PROBE})
    driver.get(url)
    return WebDriverWait(driver, 120, 0.05).until(
        lambda d: d.execute_script('return window.bitovkaPainted ?? null'))


def browser(profile, *arguments):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for a in ('--headless=new', '--no-sandbox', '--window-size=1000,900', '--no-first-run',
              '--user-data-dir=' + profile) + arguments:
        options.add_argument(a)
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


def kept(driver):
    """Waits until the page says its files are kept for offline use."""
    WebDriverWait(driver, 120, 0.05).until(
        lambda d: 'bez připojení' in d.find_element('id', 'offline').get_attribute('textContent'))


def report(name, times, sent):
    print('%s: painted after %.0f ms median (min %.0f, max %.0f), %d rounds; server sent %d bytes median (min %d, max %d)'
          % (name, statistics.median(times), min(times), max(times), len(times),
             statistics.median(sent), min(sent), max(sent)))


def main():
    p = argparse.ArgumentParser()
    p.add_argument('-n', type=int, default=5, help='rounds')
    rounds = p.parse_args().n
    if not os.path.isfile(os.path.join(DIST, 'index.html')):
        sys.exit('web.py: no dist/web; run scripts/web first')

    print('| file | bytes | gzipped |\n|---|---|---|')
    total = [0, 0]
    for name, plain, packed in sizes(DIST):
        print('| %s | %d | %d |' % (name, plain, packed))
        if not name.endswith('.gz') and name != 'LICENCE.txt':
            total[0] += plain
            total[1] += packed
    print('| what the page loads (without the notices and the source) | %d | %d |\n' % tuple(total))

    first, again, offline = [], [], []
    sent = {'first': [], 'again': [], 'offline': []}
    for _ in range(rounds):
        httpd = Server(('127.0.0.1', 0), functools.partial(Quiet, directory=DIST))
        threading.Thread(target=httpd.serve_forever, daemon=True).start()
        url = 'http://127.0.0.1:%d/' % httpd.server_address[1]
        with tempfile.TemporaryDirectory() as profile:
            driver = browser(profile)
            try:
                first.append(painted(driver, url))
                kept(driver)
                sent['first'].append(httpd.sent)
                httpd.sent = 0
                again.append(painted(driver, url))
                time.sleep(5)
                sent['again'].append(httpd.sent)
                httpd.shutdown()
                httpd.server_close()
                httpd.sent = 0
                offline.append(painted(driver, url))
                sent['offline'].append(httpd.sent)
            finally:
                driver.quit()
    report('first visit', first, sent['first'])
    report('return visit (the worker\'s cache)', again, sent['again'])
    report('offline (server stopped)', offline, sent['offline'])

    # A school's server by name over HTTP; the name leads to the loopback port.
    first, again = [], []
    sent = {'first': [], 'again': []}
    for _ in range(rounds):
        httpd = Server(('127.0.0.1', 0), functools.partial(Quiet, directory=DIST))
        threading.Thread(target=httpd.serve_forever, daemon=True).start()
        url = 'http://bitovka.skola.example:%d/' % httpd.server_address[1]
        with tempfile.TemporaryDirectory() as profile:
            driver = browser(profile, '--host-resolver-rules=MAP bitovka.skola.example 127.0.0.1')
            try:
                first.append(painted(driver, url))
                time.sleep(5)
                sent['first'].append(httpd.sent)
                httpd.sent = 0
                again.append(painted(driver, url))
                time.sleep(5)
                sent['again'].append(httpd.sent)
            finally:
                driver.quit()
                httpd.shutdown()
                httpd.server_close()
    report('no worker (plain HTTP by name), first visit', first, sent['first'])
    report('no worker (plain HTTP by name), return visit', again, sent['again'])


if __name__ == '__main__':
    main()

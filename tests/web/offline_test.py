#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page as an installable app that opens offline, in Debian's Chromium
through its WebDriver, served as page_test.py serves it.

    offline_test.py PAGE_DIR [unittest options]

Chromium is asked itself whether it would install the page; the page is
opened again with its server stopped; a second build is made from the page
by giving it another version; and the page is served under a name that is
neither this computer nor HTTPS, where Chromium gives it no worker."""

import os
import re
import shutil
import sys
import tempfile
import unittest

# page_test.py imported from beside this file, leaving no compiled copy in
# the source tree (the source archive beside the page takes what is there).
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import page_test  # noqa: E402  (takes PAGE_DIR from the command line as it is imported)
from page_test import Server, browser  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402

PAGE = page_test.PAGE
READY = 'bez připojení k síti'
UPDATE = 'nová verze'


class OfflineTest(page_test.Reading, unittest.TestCase):
    def setUp(self):
        self.folders = tempfile.mkdtemp()
        self.served = os.path.join(self.folders, 'served')
        self.serve(PAGE)
        self.server = Server(self.served)
        self.url = self.server.url
        self.driver = None

    def tearDown(self):
        if self.driver:
            self.driver.quit()
        self.server.close()
        shutil.rmtree(self.folders)

    def serve(self, folder):
        """Puts folder on the server at once, as a school replaces the page's folder."""
        link = self.served + '.new'
        os.symlink(folder, link)
        os.replace(link, self.served)

    def start(self, *arguments):
        self.driver = browser(*arguments)

    def line(self, element='offline'):
        return self.driver.find_element(By.ID, element).get_attribute('textContent').strip()

    def version(self):
        """The version the page says in its footer."""
        footer = self.driver.find_element(By.TAG_NAME, 'footer').text
        return re.search(r'Bitovka (\S+) je', footer).group(1)

    def kept(self):
        """The names of the caches of this page's origin."""
        return self.driver.execute_async_script(
            'const done = arguments[0]; caches.keys().then(done, () => done(null));')

    def open_and_work(self, what):
        """Opens the page and draws new operands by keyboard, as a pupil's first command."""
        self.driver.get(self.url)
        self.wait_for(lambda d: self.value('modra') is not None, 'the main window ' + what)
        said = self.command(lambda: self.keys('Alt+G'), 'Alt+G ' + what)
        self.assertIn('Modrá %d, červená %d' % (self.value('modra'), self.value('cervena')), said)

    def settled(self):
        """Waits until the browser has answered the page's own asking for its
        worker: it answers in turn, so asking again waits for that."""
        self.driver.execute_async_script("""const done = arguments[0];
            navigator.serviceWorker.register('sw.js').then(() => navigator.serviceWorker.ready)
                .then(() => setTimeout(done, 100), () => done());""")

    def console_errors(self):
        return [e['message'] for e in self.driver.get_log('browser') if e['level'] == 'SEVERE']

    # -- the tests --------------------------------------------------------

    def test_chromium_would_install_the_page(self):
        self.start()
        self.open_and_work('in the page')
        manifest = self.driver.execute_cdp_cmd('Page.getAppManifest', {})
        self.assertEqual(manifest['errors'], [])
        errors = self.driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})
        self.assertEqual(errors['installabilityErrors'], [])

    def test_opens_and_works_offline_after_one_visit(self):
        self.start()
        self.open_and_work('on the first visit')
        self.wait_for(lambda d: READY in self.line(), 'the page to say it is kept for offline use')
        self.server.close()
        self.open_and_work('with the server stopped')
        # Said once, when it became true; not again on each opening.
        self.settled()
        self.assertEqual(self.line(), '')

    def test_new_build_replaces_the_kept_one_whole(self):
        old = os.path.join(self.folders, 'old')
        new = os.path.join(self.folders, 'new')
        shutil.copytree(PAGE, old)
        with open(os.path.join(old, 'sw.js'), encoding='utf-8') as f:
            number = re.search(r"const VERSION = '([^']+)'", f.read()).group(1)
        # The next build: the same files under another version number.
        shutil.copytree(PAGE, new)
        for name in ('sw.js', 'index.html'):
            path = os.path.join(new, name)
            with open(path, encoding='utf-8') as f:
                text = f.read()
            with open(path, 'w', encoding='utf-8') as f:
                f.write(text.replace(number, number + '.1'))
        self.serve(old)
        self.start()
        self.open_and_work('of the first build')
        self.wait_for(lambda d: READY in self.line(), 'the first build kept')
        self.assertEqual(len(self.kept()), 1, self.kept())
        self.serve(new)
        # The next opening is still the first build, whole and working; it
        # fetches the new one, which says it opens next time.
        self.open_and_work('kept from the first build with the second on the server')
        self.assertEqual(self.version(), number)
        self.wait_for(lambda d: UPDATE in self.line().lower(), 'the second build kept')
        self.open_and_work('after the second build was kept')
        self.assertEqual(self.version(), number + '.1')
        self.wait_for(lambda d: len(self.kept()) == 1, 'the first build\'s cache deleted')
        self.assertIn('bitovka-%s.1-' % number, self.kept()[0])
        # And the second build opens without the server too.
        self.server.close()
        self.open_and_work('of the second build with the server stopped')
        self.assertEqual(self.version(), number + '.1')

    def test_works_where_the_browser_gives_no_worker(self):
        # A school's server by name over plain HTTP: not a secure origin, so
        # Chromium offers no worker (the name leads to this computer).
        self.start('--host-resolver-rules=MAP bitovka.skola.example 127.0.0.1')
        self.url = self.url.replace('127.0.0.1', 'bitovka.skola.example')
        self.open_and_work('served by name over HTTP')
        self.assertFalse(self.driver.execute_script("return 'serviceWorker' in navigator"))
        self.assertFalse(self.driver.find_element(By.ID, 'state').is_displayed(), self.line('state'))
        self.assertEqual(self.line(), '')
        self.assertEqual(self.console_errors(), [])


if __name__ == '__main__':
    if not PAGE or not os.path.isfile(os.path.join(PAGE, 'index.html')):
        sys.exit('usage: offline_test.py PAGE_DIR (the folder with index.html)')
    unittest.main()

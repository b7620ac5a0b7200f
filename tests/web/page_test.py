#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Bitovka developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The browser's Bitovka as a pupil meets it: the page served from a
loopback port and opened in Debian's Chromium through its WebDriver.

    page_test.py PAGE_DIR [unittest options]

What the program shows is read where a screen reader reads it: the elements
Qt puts in the page for each control once its accessibility is on. The
expected values come from the buttons' own explanations (a truth of 1 or 0,
the complement -x - 1), not from the program's code."""

import functools
import http.server
import os
import shutil
import sys
import threading
import unittest
import urllib.request
from html.parser import HTMLParser

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

PAGE = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else None
CHROMIUM = shutil.which('chromium') or '/usr/bin/chromium'
DRIVER = shutil.which('chromedriver') or '/usr/bin/chromedriver'
WAIT = 60  # seconds for the program to load on a slow machine

class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript'}

    def log_message(self, *args):
        pass


class QuietServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # The browser drops connections it no longer needs as it likes.
        if not isinstance(sys.exc_info()[1], (ConnectionResetError, BrokenPipeError)):
            super().handle_error(request, client_address)


class Server:
    """The page's folder on 127.0.0.1, on a port of its own."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=folder)
        self.httpd = QuietServer(('127.0.0.1', 0), handler)
        self.url = 'http://127.0.0.1:%d/' % self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def browser(*arguments):
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for a in ('--headless=new', '--no-sandbox', '--disable-gpu', '--window-size=1000,900',
              '--lang=cs', '--no-first-run', '--disable-dev-shm-usage') + arguments:
        options.add_argument(a)
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    return webdriver.Chrome(service=Service(DRIVER), options=options)


class Links(HTMLParser):
    def __init__(self):
        super().__init__()
        self.found = []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        for key in ('href', 'src'):
            if a.get(key) and '://' not in a[key]:
                self.found.append(a[key])


class Reading:
    """Reading the page and acting in it, for the page's test cases."""

    # -- reading the page ------------------------------------------------

    def wait_for(self, condition, what, timeout=WAIT):
        try:
            return WebDriverWait(self.driver, timeout, poll_frequency=0.1).until(
                lambda d: condition(d) or None)
        except TimeoutException:
            state = self.driver.find_element(By.ID, 'state').text
            self.fail('waited %d s for %s%s' % (timeout, what, '; the page says: ' + state if state else ''))

    def in_qt(self, script, *arguments):
        """Runs script with root bound to Qt's shadow tree of windows."""
        return self.driver.execute_script(
            "const root = document.getElementById('qt-shadow-container')?.shadowRoot;"
            "if (!root) return null;" + script, *arguments)

    def text_of(self, name):
        """The text of a control, by its name in the form."""
        return self.in_qt("const e = root.querySelector(`[id$=\".${arguments[0]}\"]`);"
                          "return e ? e.textContent : null;", name)

    def value(self, row):
        """The decimal value of a row, as its element in the page states it."""
        text = self.text_of(row)
        return int(text.replace('−', '-')) if text and text.strip() else None

    def digits(self, row):
        return [int(self.text_of('%s_%d' % (row, i)).replace('−', '-')) for i in (1, 2, 3)]

    def said(self, region='hlaseni'):
        """What a live region of the page says last, as a screen reader hears it."""
        return self.driver.find_element(By.ID, region).get_attribute('textContent')

    def button(self, name):
        found = self.in_qt("return [...root.querySelectorAll('button, input')]"
                           ".find(b => b.textContent === arguments[0]) ?? null;", name)
        if found is None:
            self.fail('no button %r in the page' % name)
        return found

    def windows(self):
        """Qt's windows shown in the page, bottom to top: title and drawn size."""
        return self.in_qt("""return [...root.querySelectorAll('.qt-window')]
            .filter(w => w.style.display !== 'none')
            .sort((a, b) => Number(a.style.zIndex) - Number(b.style.zIndex))
            .map(w => { const c = w.querySelector('canvas');
                        return {title: w.querySelector('.window-name')?.textContent ?? '',
                                width: c ? c.clientWidth : 0, height: c ? c.clientHeight : 0}; });""") or []

    # -- acting as a pupil -----------------------------------------------

    def click(self, name):
        """A real mouse click where the button is drawn."""
        ActionChains(self.driver).move_to_element(self.button(name)).click().perform()

    def keys(self, *keys):
        chain = ActionChains(self.driver)
        for k in keys:
            if k.startswith('Alt+'):
                chain.key_down(Keys.ALT).send_keys(k[4:].lower()).key_up(Keys.ALT)
            else:
                chain.send_keys(getattr(Keys, k.upper()))
        chain.perform()

    def command(self, act, what):
        """Acts and waits until the program has said something new of it."""
        before = self.said()
        act()
        self.wait_for(lambda d: self.said() != before, what + ' to say its result', 10)
        return self.said().strip()

    def nonzero_operands(self, act):
        """Draws until both operands are non-zero, so that a truth of 0 and
        of 1 can both be told from a combination."""
        for _ in range(40):
            self.command(act, 'drawing operands')
            if self.value('modra') and self.value('cervena'):
                return self.value('modra'), self.value('cervena')
        self.fail('40 draws gave no two non-zero operands')

    # -- the tests --------------------------------------------------------

class InBrowser(Reading):
    """One browser and one server for a test case, the page opened anew
    for each test, which ends with nothing in the browser's console."""

    @classmethod
    def setUpClass(cls):
        cls.server = Server(PAGE)
        cls.driver = browser()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.close()

    def setUp(self):
        self.driver.get(self.server.url)
        self.wait_for(lambda d: self.value('modra') is not None, 'the main window in the page')

    def tearDown(self):
        severe = [e['message'] for e in self.driver.get_log('browser') if e['level'] == 'SEVERE']
        self.assertEqual(severe, [], 'errors in the browser console')


class PageTest(InBrowser, unittest.TestCase):
    def test_page_is_czech_titled_with_icon_and_every_link_served(self):
        d = self.driver
        self.assertEqual(d.title, 'Bitovka')
        self.assertEqual(d.find_element(By.TAG_NAME, 'html').get_attribute('lang'), 'cs')
        self.assertTrue(d.find_elements(By.CSS_SELECTOR, 'link[rel="icon"]'), 'no icon')
        parser = Links()
        with urllib.request.urlopen(self.server.url) as r:
            parser.feed(r.read().decode())
        self.assertIn('bitovka.wasm', os.listdir(PAGE))
        for link in parser.found:
            with self.subTest(link=link):
                with urllib.request.urlopen(self.server.url + link) as r:
                    self.assertEqual(r.status, 200)
                    self.assertTrue(r.read(64))
        with urllib.request.urlopen(self.server.url + 'LICENCE.txt') as r:
            notices = r.read().decode()
        for needed in ('GNU GENERAL PUBLIC LICENSE', 'GNU LESSER GENERAL PUBLIC LICENSE',
                       'How this Qt was built', 'DejaVu', "Debian's copyright file of Emscripten"):
            self.assertIn(needed, notices)

    def test_main_window_at_its_own_size_in_the_page(self):
        shown = self.windows()
        self.assertEqual(shown, [{'title': 'Bitovka', 'width': 360, 'height': 358}])
        # Inside the page's area for it, not past its edge.
        inside = self.driver.execute_script("""
            const s = document.getElementById('screen').getBoundingClientRect();
            const w = document.getElementById('qt-shadow-container').shadowRoot
                .querySelector('.qt-window').getBoundingClientRect();
            return w.left >= s.left - 8 && w.right <= s.right && w.top >= s.top - 8;""")
        self.assertTrue(inside, 'the main window reaches past the page\'s area for it')

    def test_commands_by_mouse(self):
        b, r = self.nonzero_operands(lambda: self.click('Generuj'))
        self.assertIn('Modrá %d, červená %d' % (b, r), self.said())
        # Each truth from the buttons' own explanations. The same result
        # twice running is said twice, as a pupil pressing again expects.
        table = [
            ('Disjunkce', int(b != 0 or r != 0), [b | r]),
            ('Disjunkce', int(b != 0 or r != 0), [b | r]),
            ('Konjunkce', int(b != 0 and r != 0), [b & r]),
            ('Nerovnost', int(b != r), [b ^ r]),
            ('Větší', int(b > r), [0]),
            ('Menší', int(b < r), [0]),
            ('Posun doleva', b * 2, None),
        ]
        for name, yellow, bits in table:
            with self.subTest(button=name):
                said = self.command(lambda: self.click(name), name)
                self.assertEqual(self.value('zluta'), yellow)
                self.assertTrue(said.startswith('Žlutá %d' % yellow), said)
                if bits is not None:
                    self.assertEqual(self.digits('zluta'), [bits[0] >> 2 & 1, bits[0] >> 1 & 1, bits[0] & 1])

    def test_commands_by_keyboard(self):
        # The window has the keyboard from the start: no click first.
        b, r = self.nonzero_operands(lambda: self.keys('Alt+G'))
        for keys, yellow in (('Alt+D', 1), ('Alt+K', 1), ('Alt+N', int(b != r)), ('Alt+V', int(b > r)),
                             ('Alt+M', int(b < r))):
            with self.subTest(keys=keys):
                said = self.command(lambda: self.keys(keys), keys)
                self.assertEqual(self.value('zluta'), yellow, said)

    def test_dialog_opens_modeless_and_answers_enter_and_esc(self):
        self.click('Generuj')
        self.keys('Alt+O')
        self.wait_for(lambda d: [w['title'] for w in self.windows()] == ['Bitovka', 'Komplement'],
                      'the Komplement dialog over the main window', 10)
        # Modeless: the main window still answers while the dialog is open,
        # and the dialog stays over it.
        self.command(lambda: self.click('Generuj'), 'Generuj with the dialog open')
        self.assertEqual([w['title'] for w in self.windows()], ['Bitovka', 'Komplement'])
        b, r = self.value('modra'), self.value('cervena')
        for choice, operand in (('Modrá', b), ('Červená', r)):
            with self.subTest(choice=choice):
                self.click(choice)
                said = self.command(lambda: self.keys('ENTER'), 'Enter in the dialog')
                self.assertEqual(self.value('zluta'), -operand - 1, said)
        self.keys('ESCAPE')
        self.wait_for(lambda d: [w['title'] for w in self.windows()] == ['Bitovka'],
                      'Esc to close the dialog', 10)

    def focused(self):
        """The control that has the browser's focus, as a screen reader
        names it: its name and kind."""
        return self.in_qt("const e = root.activeElement; if (!e) return '';"
                          "return (e.getAttribute('aria-label') || e.textContent) + ', ' + (e.type || e.tagName);")

    def test_control_with_the_keyboard_is_named(self):
        self.click('Generuj')
        self.wait_for(lambda d: self.focused() == 'Generuj, submit', 'Generuj focused', 10)
        self.keys('TAB')
        self.wait_for(lambda d: self.focused() not in ('', 'Generuj, submit'),
                      'Tab to focus the next control', 10)
        self.assertTrue(self.focused().endswith(', submit'), self.focused())
        self.keys('Alt+O')
        self.wait_for(lambda d: len(self.windows()) == 2, 'the Komplement dialog', 10)
        self.click('Červená')
        self.wait_for(lambda d: self.focused() == 'Červená, radio', 'Červená focused', 10)

    def test_closing_the_main_window_is_told(self):
        close = self.in_qt("return root.querySelector('.qt-window .title-bar')"
                           ".querySelectorAll('.action-button')[2];")  # Qt's ×, after maximise and restore
        ActionChains(self.driver).move_to_element(close).click().perform()
        self.wait_for(lambda d: 'Bitovka skončila.' in d.find_element(By.ID, 'state').text,
                      'the page to say the program ended', 10)
        self.assertEqual(self.windows(), [])

    def test_tooltip_explains_a_button(self):
        ActionChains(self.driver).move_to_element(self.button('Disjunkce')).perform()
        self.wait_for(lambda d: len(self.windows()) == 2, 'a tooltip over Disjunkce', 10)


class NoWebAssemblyTest(unittest.TestCase):
    def test_page_says_so_in_one_sentence(self):
        server = Server(PAGE)
        driver = browser()
        try:
            # A browser without WebAssembly, as the page meets it.
            driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument',
                                   {'source': 'delete window.WebAssembly;'})
            driver.get(server.url)
            state = WebDriverWait(driver, WAIT, 0.1).until(
                lambda d: 'WebAssembly' in d.find_element(By.ID, 'state').text
                and d.find_element(By.ID, 'state').text)
            self.assertRegex(state, r'^[^.]+\.$')
            self.assertFalse(driver.find_element(By.ID, 'screen').is_displayed())
        finally:
            driver.quit()
            server.close()


if __name__ == '__main__':
    if not PAGE or not os.path.isfile(os.path.join(PAGE, 'index.html')):
        sys.exit('usage: page_test.py PAGE_DIR (the folder with index.html)')
    unittest.main()

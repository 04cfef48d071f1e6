// The browser harness on a page of its own (fixture/): the stand-in port carries the link's
// bytes through the bridge to the simulated module and back, records what the page asked of the
// port, and the request watch sees the page's requests and its service worker's.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

import {Chromium, Page} from './chromium.mjs';
import {Module, removeScratch, scratch, serveStatic, standIn} from './harness.mjs';

const fixture = join(dirname(fileURLToPath(import.meta.url)), 'fixture');
let browser, server, dir, module;

before(async () => {
    dir = scratch('harness');
    module = await Module.start(dir);
    server = await serveStatic(fixture);
    browser = await Chromium.launch();
});

after(async () => {
    await browser?.close();
    await server?.close();
    await module?.stop();
    removeScratch(dir);
});

test('the stand-in port reaches the module through the bridge, and every request stays local', async () => {
    const page = await Page.open(browser, {scripts: [standIn(module.bridgeUrl)]});
    try {
        await page.goto(server.url);
        await page.click('#identify');
        const reply = await page.waitUntil(`document.getElementById('reply').textContent`, 20000, 'the reply');
        // The simulator's identity: type 1, firmware 1.1, and the checksum.
        assert.equal(reply, '02 01 01 01 fb');
        const record = await page.eval('__serialStandIn.record');
        assert.deepEqual(record.opens.map(({baudRate, dataBits, stopBits, parity}) =>
            ({baudRate, dataBits, stopBits, parity})), [{baudRate: 115200, dataBits: 8, stopBits: 1, parity: 'none'}]);
        assert.deepEqual(record.signals, [{dataTerminalReady: true, requestToSend: true}]);
        assert.equal(record.closes, 1);
        const frames = module.framesReceived().map((l) => l.replace(/^\d+ rx /, ''));
        assert.deepEqual(frames.slice(0, 6), ['CA 53', 'CA 53', 'CA 53', 'CA 53', 'CA 53', '06 FA']);

        await page.waitUntil(`navigator.serviceWorker.getRegistration().then((r) => r?.active?.state === 'activated')`,
            20000, 'the service worker');
        const urls = page.requests.map((r) => r.url);
        for (const expected of ['fixture.js', 'sw.js', 'sw-fetched.txt'])
            assert.ok(urls.includes(server.url + expected), `the watch saw ${expected}: ${urls.join(' ')}`);
        assert.ok(urls.includes(module.bridgeUrl), 'the watch saw the stand-in\'s socket');
        assert.deepEqual(page.foreignRequests(), []);
        assert.deepEqual(page.errors, []);
    } finally {
        await page.close();
    }
});

// The page in the browser measured: Programuj through the serial stand-in against the protocol's
// floor, with the desktop engine measured beside it (brenvox_link_bench); the page ready to edit
// after navigation on localhost; the bytes the browser downloads; the longest task of the page's
// main thread during a transfer. Measurements only: nothing here fails because a figure is high.
//
// Usage: node bench/web_bench.mjs [RUNS]   (BRENVOX_BUILD: the native build, BRENVOX_SITE: the site)
import {execFileSync} from 'node:child_process';
import {readdirSync, statSync} from 'node:fs';
import {join} from 'node:path';

import {Chromium, Page} from '../tests/web/chromium.mjs';
import {kBuild, Module, removeScratch, scratch, serveStatic} from '../tests/web/harness.mjs';
import {kReady, Site} from '../tests/web/site.mjs';

const runs = Math.max(1, Number(process.argv[2]) || 5);
const siteDir = process.env.BRENVOX_SITE;
if (!siteDir) throw new Error('BRENVOX_SITE: the folder of the built site');

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const best = (xs) => Math.min(...xs);
const fmt = (x, d = 1) => x.toFixed(d).padStart(10);

// The desktop engine on its worker thread, and the floors, as brenvox_link_bench prints them.
function desktop() {
    const out = execFileSync(join(kBuild, 'bench/brenvox_link_bench'), [String(runs)], {encoding: 'utf8'});
    const line = out.split('\n').find((l) => l.startsWith('program '));
    const [, med, bst, floorWire, , floorNoWire] = line.trim().split(/\s+/).map(Number);
    const exchanges = Number(/\((\d+) exchanges/.exec(line)[1]);
    return {median: med, best: bst, floorWire, floorNoWire, exchanges};
}

// Records, in the page's own clock, when it became ready to edit and when each line of the
// progress log appeared.
const kWatch = `(() => {
    const marks = {ready: null, lines: []};
    Object.defineProperty(globalThis, '__benchMarks', {value: marks});
    let logWatched = false;
    const page = new MutationObserver(() => {
        const app = document.getElementById('app');
        if (marks.ready === null && app?.getAttribute('aria-busy') === 'false') marks.ready = performance.now();
        const log = document.getElementById('progress-log');
        if (log && !logWatched) {
            logWatched = true;
            new MutationObserver((records) => {
                for (const r of records) for (const n of r.addedNodes) marks.lines.push([performance.now(), n.textContent]);
            }).observe(log, {childList: true});
        }
        // Watching the whole page would cost the transfer's tasks time of their own.
        if (marks.ready !== null && logWatched) page.disconnect();
    });
    page.observe(document, {subtree: true, childList: true, attributes: true});
})();`;

function siteBytes(dir) {
    return readdirSync(dir).reduce((sum, f) => sum + statSync(join(dir, f)).size, 0);
}

async function main() {
    const d = desktop();
    const dir = scratch('bench');
    const server = await serveStatic(siteDir);
    const browser = await Chromium.launch({lang: 'pl'});
    const results = {};
    try {
        // Ready to edit: a fresh profile's first visit (nothing cached), then a reload (the
        // service worker's copy).
        const cold = [], warm = [], downloads = [];
        for (let r = 0; r < runs; ++r) {
            const page = await Page.open(browser, {scripts: [kWatch]});
            await page.goto(server.url);
            await page.waitUntil(kReady, 30000);
            cold.push(await page.eval('__benchMarks.ready'));
            // Everything the first visit brought in, the service worker's copies included.
            await page.waitUntil(`navigator.serviceWorker.getRegistration().then((g) => g?.active?.state === 'activated')`,
                30000, 'the service worker');
            await new Promise((res) => setTimeout(res, 300));
            const own = page.bytesLoaded.get(page.sessionId) ?? 0;
            const all = [...page.bytesLoaded.values()].reduce((a, b) => a + b, 0);
            downloads.push({all, own});
            await page.goto(server.url);
            await page.waitUntil(kReady, 30000);
            warm.push(await page.eval('__benchMarks.ready'));
            await page.close();
        }
        results.cold = cold;
        results.warm = warm;
        results.downloads = downloads;

        // Programuj: from the page's first byte to the outcome line, on one simulated module;
        // "Powtórz" starts each further run, as a person repeating it would.
        const module = await Module.start(dir);
        const site = await Site.open(browser, server.url, module);
        await site.page.send('Page.addScriptToEvaluateOnNewDocument', {source: kWatch});
        await site.page.goto(server.url);
        await site.page.waitUntil(kReady, 30000);
        const times = [], pageOwn = [];
        let tasks = null;
        for (let r = 0; r < runs; ++r) {
            const transfer = async () => {
                await site.page.eval(`__benchMarks.lines.length = 0; __serialStandIn.record.firstWriteAt = null; ` +
                    `__serialStandIn.record.replyWaitMs = 0; 0`);
                if (r === 0) await site.operate('program', {offer: 'no'});
                else {
                    await site.page.click('#progress-repeat');
                    await site.page.waitUntil(`document.getElementById('progress-repeat').hidden`, 10000);
                    await site.operate(null);
                }
            };
            // The last run under the browser's trace, which costs a little of its own.
            if (r === runs - 1 && runs > 1) tasks = await site.page.mainThreadTasks(transfer);
            else await transfer();
            const [start, waited, lines] = await site.page.eval(
                '[__serialStandIn.record.firstWriteAt, __serialStandIn.record.replyWaitMs, __benchMarks.lines]');
            const outcome = lines.find(([, text]) => text === 'Programowanie zakończone pozytywnie.');
            if (!outcome) throw new Error(`Programuj did not succeed: ${lines.map(([, t]) => t).join(' / ')}`);
            if (r < runs - 1 || runs === 1) {
                times.push(outcome[0] - start);
                pageOwn.push(outcome[0] - start - waited);
            }
        }
        if (!tasks) tasks = [];
        await site.closeProgress(true);
        await site.close();
        await module.stop();

        const w = {median: median(times), best: best(times)};
        console.log(`Programuj in ms, median and best: desktop engine ${runs} runs, page ${times.length} runs ` +
            `(and one more under the browser's trace)`);
        console.log(`${'face'.padEnd(8)} ${'median'.padStart(10)} ${'best'.padStart(10)} ${'floor@115200'.padStart(14)} ` +
            `${'ratio'.padStart(7)} ${'floor no-wire'.padStart(14)} ${'ratio'.padStart(7)} ${'best'.padStart(7)}`);
        for (const [name, f] of [['desktop', d], ['browser', w]]) {
            console.log(`${name.padEnd(8)} ${fmt(f.median)} ${fmt(f.best)} ${fmt(d.floorWire, 1).padStart(14)} ` +
                `${(f.median / d.floorWire).toFixed(3).padStart(7)} ${fmt(d.floorNoWire, 1).padStart(14)} ` +
                `${(f.median / d.floorNoWire).toFixed(3).padStart(7)} ${(f.best / d.floorNoWire).toFixed(3).padStart(7)}`);
        }
        // The replies' way back through the stand-in (WebSocket, bridge, pseudo-terminal,
        // simulator) is the stand-in's, as a real adapter's latency would be the adapter's: what is
        // left is the page's own time.
        const mine = median(pageOwn);
        console.log(`the page without the waits for the first byte of each reply (${fmt(median(times) - mine).trim()} ms, ` +
            `the stand-in's): median ${fmt(mine).trim()} ms, ${(mine / d.floorNoWire).toFixed(3)} of the floor no-wire`);
        console.log(`ready to edit after navigation: first visit median ${median(cold).toFixed(0)} ms ` +
            `(best ${best(cold).toFixed(0)}), reload median ${median(warm).toFixed(0)} ms (best ${best(warm).toFixed(0)})`);
        // The server compresses nothing, so what came over the network is the files' own size
        // and the responses' headers.
        const all = median(downloads.map((x) => x.all)), own = median(downloads.map((x) => x.own));
        console.log(`downloaded on the first visit, uncompressed: ${all} bytes (${(all / 1048576).toFixed(2)} MiB): ` +
            `the page ${own}, its service worker's copies for working offline ${all - own}; ` +
            `the site's files: ${siteBytes(siteDir)} bytes`);
        if (tasks.length) {
            console.log(`main thread during one Programuj: longest task ${tasks[0].toFixed(1)} ms, ` +
                `${tasks.filter((t) => t > 50).length} of ${tasks.length} tasks over 50 ms`);
        }
    } finally {
        await browser.close();
        await server.close();
        removeScratch(dir);
    }
}

await main();
